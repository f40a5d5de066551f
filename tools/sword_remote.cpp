// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_remote.h"

#include <signal.h>
#include <stdlib.h>

#include <installmgr.h>
#include <remotetrans.h>
#include <swlog.h>
#include <swmgr.h>
#include <swmodule.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <cctype>
#include <filesystem>
#include <span>
#include <utility>

#include "data/atomic_file.h"
#include "sword_source.h"

namespace skrybon::tool {
namespace {

namespace fs = std::filesystem;

// CrossWire's main repository, as every SWORD program sets it up.
constexpr const char* kCrossWire = "HTTPSSource=CrossWire|www.crosswire.org|/ftpmirror/pub/sword/raw|||CrossWire";
constexpr const char* kSourcesHeader = "[General]\nPassiveFTP=true\n\n[Sources]\n";
// The limit of each file's transfer, connection included: a large module on
// a slow line still arrives, a silent server does not hold the tool forever.
constexpr long kTimeoutMillis = 300000;

std::optional<std::string> WriteText(const fs::path& path, const std::string& text) {
  const auto written =
      WriteFileAtomically(path.string(), std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  if (!written) return written.error;
  return std::nullopt;
}

std::string Entry(const sword::SWModule& module, const char* key) {
  const char* value = module.getConfigEntry(key);
  return value ? std::string(value) : std::string();
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string SourceUrl(const sword::InstallSource& source) {
  return Lower(source.type.c_str()) + "://" + source.source.c_str() + source.directory.c_str();
}

// The library's messages, kept instead of printed. Among the transfer's
// account of each request is curl's reason for a failure ("Failed to connect
// to … Couldn't connect to server", "The requested URL returned error: 404").
class CKeptLog : public sword::SWLog {
 public:
  CKeptLog() { setLogLevel(LOG_DEBUG); }
  void logMessage(const char* message, int) const override {
    const std::string_view text(message);
    constexpr std::string_view kTransfer = "Transport: TEXT: ";
    const auto at = text.find(kTransfer);
    if (at == std::string_view::npos) return;
    const std::string_view said = text.substr(at + kTransfer.size());
    for (const std::string_view sign : {"ailed", "rror", "resolve", "refused", "timed out", "closed with"}) {
      if (said.find(sign) != std::string_view::npos) reason_ = said;
    }
  }
  // The last failure the transfer reported since the last call.
  std::string TakeReason() const { return std::exchange(reason_, {}); }

 private:
  mutable std::string reason_;
};

// Removes a folder and everything in it when it goes out of scope.
class CFolderGuard {
 public:
  explicit CFolderGuard(fs::path folder) : folder_(std::move(folder)) {}
  ~CFolderGuard() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  const fs::path& Folder() const { return folder_; }

 private:
  fs::path folder_;
};

// While a module is downloaded, SIGTERM (the reader's "Anuluj") and SIGINT
// (Ctrl+C) only raise this flag: the transfer, asked from its progress
// reports, ends, and the staging folder is removed on the way out instead of
// staying behind in the SWORD folder.
volatile std::sig_atomic_t gStopSignalled = 0;

void NoteStopSignal(int) { gStopSignalled = 1; }

class CStopSignals {
 public:
  CStopSignals() {
    gStopSignalled = 0;
    struct sigaction action {};
    action.sa_handler = NoteStopSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &action, &saved_[i]);
  }
  ~CStopSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &saved_[i], nullptr);
  }
  CStopSignals(const CStopSignals&) = delete;
  CStopSignals& operator=(const CStopSignals&) = delete;

  bool Signalled() const { return gStopSignalled != 0; }

 private:
  static constexpr std::array kSignals = {SIGTERM, SIGINT};
  std::array<struct sigaction, kSignals.size()> saved_{};
};

// Points HOME elsewhere for as long as it lives.
class CHomeOverride {
 public:
  explicit CHomeOverride(const std::string& home) {
    if (const char* old = std::getenv("HOME")) saved_ = old;
    ::setenv("HOME", home.c_str(), 1);
  }
  ~CHomeOverride() {
    if (saved_) ::setenv("HOME", saved_->c_str(), 1);
    else ::unsetenv("HOME");
  }
  CHomeOverride(const CHomeOverride&) = delete;
  CHomeOverride& operator=(const CHomeOverride&) = delete;

 private:
  std::optional<std::string> saved_;
};

}  // namespace

// The library's installer with the user's consent already asked by the
// caller, reporting progress.
class CSwordRemote::CInstaller : public sword::InstallMgr, public sword::StatusReporter {
 public:
  CInstaller(const std::string& privatePath, SwordProgress& progress)
      : sword::InstallMgr(privatePath.c_str(), this), progress_(progress) {
    setTimeoutMillis(kTimeoutMillis);
    setUnverifiedPeerAllowed(false);  // an https source must prove who it is
    log_ = new CKeptLog;  // owned by the library from here on
    sword::SWLog::setSystemLog(log_);
  }
  bool isUserDisclaimerConfirmed() const override { return true; }
  void update(unsigned long total, unsigned long done) override {
    if (gStopSignalled != 0) terminate();
    if (progress_) progress_(done, total);
  }
  void preStatus(long total, long done, const char*) override { update(total, done); }
  // What the library said last, for a failure's message.
  std::string Reason() const {
    std::string reason = log_->TakeReason();
    while (!reason.empty() && std::isspace(static_cast<unsigned char>(reason.back()))) reason.pop_back();
    return reason.empty() ? "" : " (" + reason + ")";
  }

 private:
  SwordProgress& progress_;
  CKeptLog* log_;
};

CSwordRemote::CSwordRemote(std::string swordFolder, SwordProgress progress)
    : swordFolder_(std::move(swordFolder)), progress_(std::move(progress)) {}

CSwordRemote::~CSwordRemote() = default;

std::optional<std::string> CSwordRemote::Open() {
  if (installer_) return std::nullopt;
  const fs::path privatePath = fs::path(swordFolder_) / "InstallMgr";
  const fs::path conf = privatePath / "InstallMgr.conf";
  std::error_code ec;
  fs::create_directories(privatePath, ec);
  if (ec) return "cannot create " + privatePath.string() + ": " + ec.message();
  if (!fs::exists(conf, ec)) {
    if (auto error = WriteText(conf, std::string(kSourcesHeader) + kCrossWire + "\n")) return error;
  }
  installer_ = std::make_unique<CInstaller>(privatePath.string(), progress_);
  return std::nullopt;
}

std::optional<std::string> CSwordRemote::SaveSources() {
  std::string text(kSourcesHeader);
  for (const auto& [name, source] : installer_->sources) {
    text += std::string(source->type.c_str()) + "Source=" + source->getConfEnt().c_str() + "\n";
  }
  return WriteText(fs::path(swordFolder_) / "InstallMgr" / "InstallMgr.conf", text);
}

std::variant<std::vector<SwordSource>, std::string> CSwordRemote::Sources() {
  if (auto error = Open()) return *error;
  std::vector<SwordSource> sources;
  for (const auto& [name, source] : installer_->sources) {
    sources.push_back({name.c_str(), source->type.c_str(), SourceUrl(*source)});
  }
  return sources;
}

std::optional<std::string> CSwordRemote::AddSource(const std::string& name, const std::string& url) {
  if (auto error = Open()) return error;
  if (name.empty() || name.find_first_of("|\r\n/") != std::string::npos) {
    return "a source's name must not be empty nor hold '|', '/' or a line break";
  }
  if (installer_->sources.contains(name.c_str())) return "a source named " + name + " exists already";
  const auto schemeEnd = url.find("://");
  const std::string scheme = Lower(url.substr(0, schemeEnd));
  if (schemeEnd == std::string::npos || (scheme != "ftp" && scheme != "http" && scheme != "https") ||
      url.find_first_of("|\r\n") != std::string::npos) {
    return "'" + url + "' is not an ftp, http or https URL";
  }
  const std::string rest = url.substr(schemeEnd + 3);
  const auto slash = rest.find('/');
  std::string host = rest.substr(0, slash);
  std::string directory = slash == std::string::npos ? "" : rest.substr(slash);
  while (directory.ends_with('/')) directory.pop_back();
  if (host.empty()) return "'" + url + "' names no host";
  auto* source = new sword::InstallSource(
      (scheme == "https" ? "HTTPS" : scheme == "http" ? "HTTP" : "FTP"),
      (name + "|" + host + "|" + directory + "|||" + name).c_str());
  source->localShadow = (fs::path(swordFolder_) / "InstallMgr" / name).c_str();
  installer_->sources[name.c_str()] = source;  // owned by the installer
  return SaveSources();
}

std::optional<std::string> CSwordRemote::RemoveSource(const std::string& name) {
  if (auto error = Open()) return error;
  const auto it = installer_->sources.find(name.c_str());
  if (it == installer_->sources.end()) return "no source named " + name;
  delete it->second;
  installer_->sources.erase(it);
  return SaveSources();
}

std::variant<std::vector<RemoteSwordModule>, std::string> CSwordRemote::Refresh(const std::string& name) {
  if (auto error = Open()) return *error;
  const auto it = installer_->sources.find(name.c_str());
  if (it == installer_->sources.end()) return "no source named " + name + " (skrybon-tool sources lists them)";
  sword::InstallSource& source = *it->second;
  if (installer_->refreshRemoteSource(&source) != 0) {
    return "cannot fetch the list of modules of source " + name + " from " + SourceUrl(source) +
           installer_->Reason();
  }
  const auto& modules = source.getMgr()->getModules();
  if (modules.empty()) {
    return "source " + name + " lists no module: its mods.d.tar.gz at " + SourceUrl(source) +
           " is missing or damaged";
  }
  std::vector<RemoteSwordModule> bibles;
  for (const auto& [moduleName, module] : modules) {
    if (module->getType() != kSwordBibleType) continue;
    bibles.push_back({module->getName(), module->getLanguage() ? module->getLanguage() : "", Entry(*module, "Version"),
                      Entry(*module, "InstallSize"), Entry(*module, "DistributionLicense"),
                      module->getDescription() ? module->getDescription() : ""});
  }
  return bibles;
}

std::optional<std::string> CSwordRemote::Install(const std::string& sourceName, const std::string& name) {
  if (auto refreshed = Refresh(sourceName); std::holds_alternative<std::string>(refreshed)) {
    return std::get<std::string>(refreshed);
  }
  sword::InstallSource& source = *installer_->sources.find(sourceName.c_str())->second;
  const sword::SWModule* module = source.getMgr()->getModule(name.c_str());
  if (module == nullptr) return "source " + sourceName + " has no module named " + name;
  if (module->getType() != kSwordBibleType) {
    return "module " + name + " is not a Bible text (" + std::string(module->getType()) + ")";
  }
  if (module->getConfigEntry("CipherKey") != nullptr) {
    return "module " + name + " is locked: it is enciphered and needs a key from its publisher";
  }
  // The module's folder, relative to the SWORD folder and inside it.
  fs::path dataPath = fs::path(Entry(*module, "DataPath")).lexically_normal();
  if (dataPath.filename().empty()) dataPath = dataPath.parent_path();
  if (dataPath.empty() || dataPath.is_absolute() || *dataPath.begin() == "..") {
    return "module " + name + " names no usable DataPath ('" + Entry(*module, "DataPath") + "')";
  }

  const CStopSignals stop;
  std::string pattern = (fs::path(swordFolder_) / ".skrybon-download-XXXXXX").string();
  std::error_code ec;
  fs::create_directories(fs::path(swordFolder_) / "mods.d", ec);
  if (ec || ::mkdtemp(pattern.data()) == nullptr) return "cannot create a temporary folder in " + swordFolder_;
  const CFolderGuard staging(pattern);
  fs::create_directories(staging.Folder() / "mods.d", ec);
  sword::SWMgr destination(staging.Folder().c_str(), true, nullptr, false, false);
  // The installer reads the source's list with the modules of ~/.sword added
  // to it, and after a failed transfer deletes the files of the module its
  // list names: the copy installed in ~/.sword. With HOME pointing into the
  // staging folder it sees only the source.
  const CHomeOverride home(staging.Folder().string());
  const int rc = installer_->installModule(&destination, nullptr, name.c_str(), &source);
  if (stop.Signalled()) return "the download of " + name + " was stopped";
  if (rc != 0) return "the download of " + name + " from " + SourceUrl(source) + " failed" + installer_->Reason();
  // The library copies the module's configuration under its own file name.
  fs::path conf;
  for (const auto& file : fs::directory_iterator(staging.Folder() / "mods.d", ec)) conf = file.path();
  const fs::path data = staging.Folder() / dataPath;
  if (conf.empty() || fs::is_empty(data, ec) || ec) {
    return "the download of " + name + " from " + SourceUrl(source) + " is incomplete";
  }
  // Into place: an earlier copy of the module moves aside first (and back
  // on failure), the configuration that makes the module visible comes last.
  const fs::path target = fs::path(swordFolder_) / dataPath;
  const fs::path replaced = staging.Folder() / "replaced";
  fs::create_directories(target.parent_path(), ec);
  const bool hadCopy = fs::exists(target);
  if (hadCopy) fs::rename(target, replaced, ec);
  if (!ec) fs::rename(data, target, ec);
  if (!ec) fs::rename(conf, fs::path(swordFolder_) / "mods.d" / conf.filename(), ec);
  if (ec) {
    const std::string reason = ec.message();
    if (!fs::exists(data)) fs::remove_all(target, ec);  // the new copy got there
    if (hadCopy) fs::rename(replaced, target, ec);
    return "cannot move " + name + " into " + swordFolder_ + ": " + reason;
  }
  return std::nullopt;
}

}  // namespace skrybon::tool

// SPDX-License-Identifier: GPL-2.0-or-later
// Remote SWORD repositories through the SWORD library's own installer: the
// sources the user set up (kept where every SWORD program keeps them,
// ~/.sword/InstallMgr/InstallMgr.conf, with CrossWire's main repository set
// up on first use), the Bible text modules a source offers, and the
// installation of one into ~/.sword. Only Refresh and Install reach the
// network; the caller asks for the user's consent first. Messages are UTF-8.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace skrybon::tool {

struct SwordSource {
  std::string name;
  std::string type;  // FTP, HTTP, HTTPS
  std::string url;
};

struct RemoteSwordModule {
  std::string name, language, version, installSize, licence, description;
};

// Bytes done and in all of a transfer (0 while unknown).
using SwordProgress = std::function<void(unsigned long done, unsigned long total)>;

class CSwordRemote {
 public:
  // swordFolder: the user's SWORD folder (~/.sword).
  CSwordRemote(std::string swordFolder, SwordProgress progress);
  ~CSwordRemote();
  CSwordRemote(const CSwordRemote&) = delete;
  CSwordRemote& operator=(const CSwordRemote&) = delete;

  std::variant<std::vector<SwordSource>, std::string> Sources();
  // url: ftp, http or https URL of a repository root holding mods.d.tar.gz.
  std::optional<std::string> AddSource(const std::string& name, const std::string& url);
  std::optional<std::string> RemoveSource(const std::string& name);

  // Fetches the source's list of modules and gives its Bible texts.
  std::variant<std::vector<RemoteSwordModule>, std::string> Refresh(const std::string& source);

  // Installs a Bible text module of the source into the SWORD folder: the
  // files go to a temporary folder inside it and are moved into place only
  // when the whole module arrived, so a failure leaves nothing behind.
  std::optional<std::string> Install(const std::string& source, const std::string& module);

 private:
  class CInstaller;
  std::optional<std::string> Open();
  std::optional<std::string> SaveSources();

  std::string swordFolder_;
  SwordProgress progress_;
  std::unique_ptr<CInstaller> installer_;
};

}  // namespace skrybon::tool

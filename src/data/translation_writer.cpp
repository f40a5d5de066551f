// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_writer.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/book_file.h"
#include "data/default_aliases.h"
#include "data/file_set_write.h"

namespace skrybon {
namespace {

namespace fs = std::filesystem;

// Two imports into one folder at once would interleave their renames; each
// holds the folder's lock from the first look at the folder to the last rename.
class CFolderLock {
 public:
  explicit CFolderLock(const std::string& folder) : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0) {
      error_ = std::strerror(errno);
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        error_ = std::strerror(errno);
        break;
      }
    }
  }
  ~CFolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  CFolderLock(const CFolderLock&) = delete;
  CFolderLock& operator=(const CFolderLock&) = delete;

  const std::string& Error() const { return error_; }

 private:
  int fd_;
  std::string error_;
};

// Folders made for an import that then failed are taken away again (only
// while still empty, so nothing of anyone else's goes with them).
class CNewFolders {
 public:
  std::optional<std::string> Make(const fs::path& folder) {
    std::vector<fs::path> missing;
    for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
      std::error_code ec;
      if (fs::exists(p, ec)) break;
      missing.push_back(p);
      if (p == p.parent_path()) break;
    }
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "cannot create folder " + folder.string() + ": " + ec.message();
    made_ = std::move(missing);  // deepest first
    return std::nullopt;
  }
  void Keep() { made_.clear(); }
  ~CNewFolders() {
    for (const auto& p : made_) {
      std::error_code ignored;
      fs::remove(p, ignored);
    }
  }

 private:
  std::vector<fs::path> made_;
};

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::optional<std::string> WriteTranslation(const std::string& folder, const BuiltTranslation& built,
                                            bool* aliasWritten, const WriteProgress& progress) {
  if (aliasWritten) *aliasWritten = false;
  const std::string bookFolder = "ksiegi";
  CNewFolders newFolders;
  if (auto error = newFolders.Make(fs::path(folder) / bookFolder)) return error;
  const CFolderLock lock(folder);
  if (!lock.Error().empty()) return "cannot lock folder " + folder + ": " + lock.Error();

  // Everything is written before anything is replaced: the book files, the
  // alias file if missing, and the index last, so that it is also the last
  // to be renamed into place (a folder with a new index has its new books).
  const std::string aliasPath = folder + "/" + AliasFileName(built.id);
  std::error_code ec;
  const bool addAliases = !fs::exists(fs::symlink_status(aliasPath, ec));
  const std::size_t total = built.books.size() + (addAliases ? 2 : 1);
  CFileSetWrite files;
  std::size_t staged = 0;
  auto goOn = [&] { return !progress || progress(staged, total); };
  auto stage = [&](const std::string& path, std::span<const std::uint8_t> data) -> std::optional<std::string> {
    if (!goOn()) return std::string(kWriteStopped);
    if (auto written = files.Stage(path, data); !written) return "cannot write " + path + ": " + written.error;
    ++staged;
    return std::nullopt;
  };
  for (std::size_t b = 0; b < built.books.size(); ++b) {
    const std::string path = folder + "/" + BookFilePath(bookFolder, built.id, static_cast<int>(b));
    if (auto error = stage(path, WriteStringArray(built.books[b]))) return error;
  }
  if (addAliases) {
    if (auto error = stage(aliasPath, Bytes(DefaultAliasFileText(built.id)))) return error;
  }
  if (auto error = stage(folder + "/" + IndexFileName(built.id), WriteVerseIndex(built.index))) return error;
  if (!goOn()) return std::string(kWriteStopped);
  if (auto committed = files.Commit(); !committed) {
    return "cannot put the new files in place, the folder keeps its earlier files: " + committed.error;
  }
  newFolders.Keep();
  if (aliasWritten) *aliasWritten = addAliases;
  return std::nullopt;
}

}  // namespace skrybon

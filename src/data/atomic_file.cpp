// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <utility>

#include "data/file_io.h"

namespace skrybon {

namespace {

// Opens a new file named "<target>.<random>~" that did not exist before.
int CreateUniqueTemporary(const std::string& target, std::string& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + "." + RandomNamePart() + "~";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

}  // namespace

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;  // the rename itself succeeded; durability is best effort here
  ::fsync(fd);
  ::close(fd);
}

std::string WriteTarget(const std::string& path, std::string& error) {
  namespace fs = std::filesystem;
  fs::path target = path;
  // The system gives up after 40 links as well; a loop ends here too.
  for (int depth = 0; depth < 40; ++depth) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return target.string();
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) {
      error = ec.message();
      return path;
    }
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  error = SystemReason(ELOOP);
  return path;
}

CStagedFile::CStagedFile(std::string target) : target_(std::move(target)) {}

CStagedFile::CStagedFile(CStagedFile&& other) noexcept
    : target_(std::move(other.target_)), temporary_(std::exchange(other.temporary_, {})) {}

CStagedFile::~CStagedFile() {
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

FileWriteResult CStagedFile::Write(std::span<const std::uint8_t> data) {
  if (!temporary_.empty()) return {"the file was already written"};
  std::string error;
  const std::string target = WriteTarget(target_, error);
  if (!error.empty()) return {error};
  target_ = target;

  std::string name;
  const int fd = CreateUniqueTemporary(target_, name);
  if (fd < 0) return {SystemReason(errno)};
  temporary_ = name;

  // The replacement keeps the permission bits of the file it replaces
  // (a private 0600 file stays private); a new file gets the usual 0666 less
  // the umask that open applied.
  struct stat old {};
  bool ok = true;
  if (::stat(target_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ok = ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAllAt(fd, data, 0) && ::fsync(fd) == 0;
  const int writeError = errno;
  // A failing close can report a delayed write error (NFS, a full disk).
  const bool closed = ::close(fd) == 0;
  if (!ok || !closed) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return {SystemReason(ok ? errno : writeError)};
  }
  return {};
}

FileWriteResult CStagedFile::Commit() {
  if (temporary_.empty()) return {"nothing was written"};
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary_.c_str());
    temporary_.clear();
    return {SystemReason(error)};
  }
  temporary_.clear();
  SyncFolder(FolderOf(target_));
  return {};
}

FileWriteResult WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> data) {
  CStagedFile file(path);
  if (auto written = file.Write(data); !written) return written;
  return file.Commit();
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/profile_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <span>
#include <thread>
#include <utility>

#include "data/file_descriptor.h"
#include "data/file_io.h"
#include "data/whole_file.h"

namespace skrybon {
namespace {

// Writes the new contents into the file itself: the file (and so every hard
// link to it) keeps its inode, owner and mode.
FileWriteResult WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
  CFileDescriptor file(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
  if (file.Get() < 0) return {SystemReason(errno)};
  struct stat st {};
  if (::fstat(file.Get(), &st) != 0) return {SystemReason(errno)};
  const auto newSize = static_cast<off_t>(bytes.size());
  // Room for a longer file is taken before any byte is overwritten; a full
  // disk then fails here with the old contents whole.
  if (newSize > st.st_size) {
    if (const int error = ::posix_fallocate(file.Get(), 0, newSize); error != 0) {
      (void)::ftruncate(file.Get(), st.st_size);  // undo any growth; the bytes were not touched
      return {SystemReason(error)};
    }
  }
  if (!WriteAllAt(file.Get(), bytes, 0) || ::ftruncate(file.Get(), newSize) != 0 || ::fsync(file.Get()) != 0)
    return {SystemReason(errno)};
  if (!file.Close()) return {SystemReason(errno)};
  return {};
}

// The lock file lies beside the file the profile's name finally leads to.
std::string LockPathFor(const std::string& profilePath) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target = profilePath;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    if (fs::path resolved = fs::weakly_canonical(target, ec); !ec) target = resolved;
  }
  return target.string() + ".lock";
}

}  // namespace

CProfileFile ReadProfileFile(const std::string& path) {
  // The checked whole-file read: a FIFO in the profile's place cannot stop the
  // program, a folder or a huge file is refused before anything is read.
  CProfileFile result{CProfileFile::State::Read, {}};
  std::size_t done = 0;
  const FileReadResult read = ReadWholeFileInto(
      path,
      [&result](std::size_t size) {
        result.text.resize(size);
        return reinterpret_cast<std::uint8_t*>(result.text.data());
      },
      done, kLargestProfile);
  if (!read) return {read.Missing() ? CProfileFile::State::Missing : CProfileFile::State::Unreadable, {}};
  result.text.resize(done);
  return result;
}

FileWriteResult WriteProfileFile(const std::string& path, std::string_view text) {
  const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink > 1) return WriteInPlace(path, bytes);
  return WriteFileAtomically(path, bytes);
}

CProfileLock::CProfileLock(const std::string& profilePath, Mode mode, std::chrono::milliseconds wait) {
  const std::string lockPath = LockPathFor(profilePath);
  fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
  if (fd_ < 0) {
    const int firstError = errno;
    // A lock file we may not write (left by another user) still locks. When
    // there is none either, the first failure says why ("Read-only file
    // system"), not this retry ("No such file or directory").
    fd_ = ::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (fd_ < 0) {
      error_ = SystemReason(firstError);
      return;
    }
  }
  constexpr auto kPoll = std::chrono::milliseconds(20);
  const auto deadline = std::chrono::steady_clock::now() + wait;
  const int operation = (mode == Mode::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
  while (::flock(fd_, operation) != 0) {
    const int error = errno;
    if (error == EINTR) continue;
    const auto now = std::chrono::steady_clock::now();
    if (error != EWOULDBLOCK || now >= deadline) {
      busy_ = error == EWOULDBLOCK;
      error_ = SystemReason(error);
      ::close(std::exchange(fd_, -1));
      return;
    }
    std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kPoll, deadline - now));
  }
}

CProfileLock::~CProfileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing the only descriptor releases the lock
}

}  // namespace skrybon

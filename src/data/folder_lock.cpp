// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace skrybon {

std::string SecondsText(std::chrono::milliseconds span) {
  char text[32];
  std::snprintf(text, sizeof text, "%g s", static_cast<double>(span.count()) / 1000.0);
  return text;
}

CFolderLock::CFolderLock(const std::string& folder, const FolderLockWait& wait)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
  if (fd_ < 0) {
    error_ = "cannot lock folder " + folder + ": " + std::strerror(errno);
    return;
  }
  const auto deadline = std::chrono::steady_clock::now() + wait.limit;
  bool told = false;
  while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    if (errno != EWOULDBLOCK) {
      error_ = "cannot lock folder " + folder + ": " + std::strerror(errno);
      break;
    }
    if (std::chrono::steady_clock::now() >= deadline) {
      error_ = "another import or repair of " + folder + " still holds its lock after " + SecondsText(wait.limit) +
               "; gave up";
      break;
    }
    if (!told && wait.onWaiting) wait.onWaiting();
    told = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!error_.empty()) {
    ::close(fd_);
    fd_ = -1;
    return;
  }
  // The file system's clock, which stamps the files compared with this time.
  takenAt_ = std::filesystem::file_time_type::clock::now();
}

CFolderLock::~CFolderLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace skrybon

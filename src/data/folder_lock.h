// SPDX-License-Identifier: GPL-2.0-or-later
// The lock a data folder's writers hold while they change its files (an
// import, a repair), so that two of them never interleave their renames. A
// held lock is waited for a bounded time only: the waiter is told that it
// waits, and after the limit it gives up with a message instead of hanging.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace skrybon {

struct FolderLockWait {
  std::chrono::milliseconds limit{5000};
  std::function<void()> onWaiting;  // called once when the lock is held by another
};

// "5 s", "0.2 s".
std::string SecondsText(std::chrono::milliseconds span);

class CFolderLock {
 public:
  CFolderLock(const std::string& folder, const FolderLockWait& wait);
  ~CFolderLock();
  CFolderLock(const CFolderLock&) = delete;
  CFolderLock& operator=(const CFolderLock&) = delete;

  // Why the lock could not be taken (UTF-8), or "" when it is held.
  const std::string& Error() const { return error_; }
  // When the lock was taken: a file of the writers' own kind that is older
  // was left by a writer that is gone.
  std::filesystem::file_time_type TakenAt() const { return takenAt_; }

 private:
  int fd_ = -1;
  std::string error_;
  std::filesystem::file_time_type takenAt_;
};

}  // namespace skrybon

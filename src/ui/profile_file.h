// SPDX-License-Identifier: GPL-2.0-or-later
// The profile file on the disk: reading it (telling a missing file from one
// that exists but cannot be read), replacing it, and the lock that lets only
// one copy of the program at a time read, merge and write it. The lock is an
// advisory lock on "<profile>.lock" beside the profile (beside the file a
// symbolic link leads to), which stays there for the next copy.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "data/atomic_file.h"

namespace skrybon {

// Larger files are not a profile; they are treated as unreadable, so that no
// file can make the program hold gigabytes.
inline constexpr std::size_t kLargestProfile = std::size_t{256} << 20;

struct CProfileFile {
  enum class State { Missing, Read, Unreadable };
  State state = State::Missing;
  std::string text;  // the bytes when Read
};

// Missing: there is no file (or no folder) of that name. Unreadable: something
// is there but it is not a readable regular file of at most kLargestProfile
// bytes (a folder, a FIFO, no permission, a loop of links, an I/O error).
CProfileFile ReadProfileFile(const std::string& path);

// Replaces the profile's contents. Usually through a unique temporary renamed
// over it (WriteFileAtomically), so a reader sees the old or the new file and
// never a mixture. A profile with more than one hard link is written through,
// in place, so that every name keeps naming the same file: its new size is
// reserved first, so a full disk leaves it untouched, but a crash while the
// bytes are being written can leave it torn.
FileWriteResult WriteProfileFile(const std::string& path, std::string_view text);

// Holds the profile's lock while it lives: shared for a read, exclusive for
// a read-merge-write. While another copy holds it, waits at most `wait` (a
// copy stopped in the middle of its save must not stop this one for good).
class CProfileLock {
 public:
  enum class Mode { Shared, Exclusive };
  CProfileLock(const std::string& profilePath, Mode mode, std::chrono::milliseconds wait);
  ~CProfileLock();
  CProfileLock(const CProfileLock&) = delete;
  CProfileLock& operator=(const CProfileLock&) = delete;

  bool Held() const { return fd_ >= 0; }
  // Not held because another process kept it for the whole wait.
  bool Busy() const { return busy_; }
  // Why the lock could not be taken ("Permission denied").
  const std::string& Error() const { return error_; }

 private:
  int fd_ = -1;
  bool busy_ = false;
  std::string error_;
};

}  // namespace skrybon

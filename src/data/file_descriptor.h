// SPDX-License-Identifier: GPL-2.0-or-later
// An open file descriptor that is closed however the code that opened it
// ends; Close closes it early so that a delayed write error can be reported.
#pragma once

#include <unistd.h>

#include <utility>

namespace skrybon {

class CFileDescriptor {
 public:
  explicit CFileDescriptor(int fd) : fd_(fd) {}
  ~CFileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  CFileDescriptor(const CFileDescriptor&) = delete;
  CFileDescriptor& operator=(const CFileDescriptor&) = delete;

  int Get() const { return fd_; }
  // False when the close reports an error (a write that failed late).
  bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_;
};

}  // namespace skrybon

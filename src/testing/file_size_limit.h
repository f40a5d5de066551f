// SPDX-License-Identifier: GPL-2.0-or-later
// Simulates a full disk inside one test: while the object lives, no file of
// this process can grow beyond `bytes` (writes past it fail with EFBIG instead
// of raising SIGXFSZ), so a writer's handling of a failed write can be tested
// without a small file system.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <stdexcept>

namespace skrybon::testing {

class CFileSizeLimit {
 public:
  explicit CFileSizeLimit(rlim_t bytes) {
    if (::getrlimit(RLIMIT_FSIZE, &old_) != 0) throw std::runtime_error("getrlimit failed");
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) throw std::runtime_error("setrlimit failed");
  }
  ~CFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::signal(SIGXFSZ, oldHandler_);
  }
  CFileSizeLimit(const CFileSizeLimit&) = delete;
  CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

 private:
  rlimit old_{};
  sighandler_t oldHandler_{};
};

}  // namespace skrybon::testing

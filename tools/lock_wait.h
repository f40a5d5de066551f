// SPDX-License-Identifier: GPL-2.0-or-later
// How long the commands that change a data folder wait for its lock: the
// option --lock-wait SECONDS (default 5), and the line that says they wait.
#pragma once

#include <charconv>
#include <chrono>
#include <string>

#include "data/folder_lock.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {

inline FolderLockWait LockWait(const ToolArgs& args, const std::string& command, const std::string& folder) {
  FolderLockWait wait;
  if (const auto value = args.Get("lock-wait")) {
    double seconds = -1;
    const auto [end, ec] = std::from_chars(value->data(), value->data() + value->size(), seconds);
    if (ec != std::errc() || end != value->data() + value->size() || !(seconds >= 0 && seconds <= 3600)) {
      throw ToolUsageError("--lock-wait must be a number of seconds from 0 to 3600, not '" + *value + "'");
    }
    wait.limit = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
  }
  wait.onWaiting = [command, folder, limit = wait.limit] {
    PrintLine(stderr, "skrybon-tool " + command + ": waiting for another import or repair of " + folder +
                          " to finish (at most " + SecondsText(limit) + ")");
  };
  return wait;
}

}  // namespace skrybon::tool

// SPDX-License-Identifier: GPL-2.0-or-later
// What the commands that reach SWORD repositories share: the user's SWORD
// folder and the user's consent to remote access, which every SWORD program
// asks for (in some countries being seen to fetch Bibles is dangerous).
#pragma once

#include <optional>
#include <string>

namespace skrybon::tool {

// ~/.sword; throws ToolUsageError when HOME names no folder.
std::string UserSwordFolder();

// Consent given by `yes` (--yes), remembered from an earlier answer, or asked
// now when standard input and error are a terminal (a "yes" is remembered in
// the tool's configuration, ~/.config/skrybon-tool.ini). Otherwise the
// reason the command must stop, saying how to consent.
std::optional<std::string> RemoteAccessRefusal(bool yes);

// Prints "progress<TAB>DONE<TAB>TOTAL" (bytes) on standard error whenever either
// changed: the line a program driving the tool reads.
class CProgressLines {
 public:
  void operator()(unsigned long done, unsigned long total);

 private:
  unsigned long done_ = 0, total_ = 0;
};

}  // namespace skrybon::tool

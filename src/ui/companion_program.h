// SPDX-License-Identifier: GPL-2.0-or-later
// The companion program Tarnel: an executable file named "tarnel" in the
// program's main folder. Its command is enabled exactly while such a file is
// there; nothing else about the program is known to us.
#pragma once

#include <string>

namespace skrybon {

inline constexpr const char* kCompanionProgramName = "tarnel";

// mainFolder + "/tarnel".
std::string CompanionProgramPath(const std::string& mainFolder);

// True when that path is a regular file (a link to one counts) that we may execute.
bool CompanionProgramAvailable(const std::string& mainFolder);

}  // namespace skrybon

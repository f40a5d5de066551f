// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/companion_program.h"

#include <sys/stat.h>
#include <unistd.h>

namespace skrybon {

std::string CompanionProgramPath(const std::string& mainFolder) {
  return mainFolder + "/" + kCompanionProgramName;
}

bool CompanionProgramAvailable(const std::string& mainFolder) {
  const std::string path = CompanionProgramPath(mainFolder);
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace skrybon

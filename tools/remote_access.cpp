// SPDX-License-Identifier: GPL-2.0-or-later
#include "remote_access.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tool_args.h"
#include "ui/profile.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kSection = "SWORD";
constexpr std::string_view kConsentKey = "Remote Access";

constexpr const char* kWarning =
    "skrybon-tool is about to reach a SWORD repository on the internet.\n"
    "Fetching Bible texts this way can be seen by whoever watches the network; if you\n"
    "live where this could endanger you, answer no. Repositories other than CrossWire's\n"
    "are not reviewed by CrossWire.\n"
    "Allow remote access now and from now on? [yes/no] ";

}  // namespace

std::string UserSwordFolder() {
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') throw ToolUsageError("HOME names no folder for ~/.sword");
  return std::string(home) + "/.sword";
}

std::optional<std::string> RemoteAccessRefusal(bool yes) {
  if (yes) return std::nullopt;
  CProfile config(CProfile::DefaultPath("skrybon-tool"));
  if (config.GetProfileInt(kSection, kConsentKey, 0) == 1) return std::nullopt;
  if (!::isatty(STDIN_FILENO) || !::isatty(STDERR_FILENO)) {
    return "remote access needs your consent: run the command once on a terminal and answer yes, "
           "or add --yes";
  }
  std::fputs(kWarning, stderr);
  char answer[16] = {};
  if (std::fgets(answer, sizeof answer, stdin) == nullptr || std::string_view(answer).substr(0, 3) != "yes") {
    return "remote access was not allowed";
  }
  if (!config.WriteProfileInt(kSection, kConsentKey, 1)) {
    std::fprintf(stderr, "warning: the consent could not be remembered: %s\n", config.LastError().c_str());
  }
  return std::nullopt;
}

void CProgressLines::operator()(unsigned long done, unsigned long total) {
  if (done == done_ && total == total_) return;
  done_ = done;
  total_ = total;
  std::fprintf(stderr, "progress\t%lu\t%lu\n", done, total);
}

}  // namespace skrybon::tool

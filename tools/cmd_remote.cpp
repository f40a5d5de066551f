// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool remote: the Bible text modules a remote SWORD repository offers.
#include <string>

#include "remote_access.h"
#include "sword_remote.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool remote [--source NAME] [--language CODE | --all-languages] [--yes]\n"
    "  Fetches the list of modules of a source (CrossWire unless --source; see\n"
    "  skrybon-tool sources) and prints its Bible texts in the language CODE (pl\n"
    "  unless given), one a line: name<TAB>language<TAB>version<TAB>installed\n"
    "  size<TAB>licence<TAB>description. Reaching the internet needs your consent,\n"
    "  asked once on a terminal and remembered, or given with --yes. A source that\n"
    "  is unknown or cannot be reached ends in exit code 2.\n";

}  // namespace

int RemoteMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"source", "language"}, {"all-languages", "yes"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    args.ExpectPositional(0, "");
    const std::string language = args.Get("language", "pl");
    if (auto refusal = RemoteAccessRefusal(args.Has("yes"))) {
      PrintLine(stderr, "skrybon-tool remote: " + *refusal);
      return kExitUsage;
    }
    CSwordRemote remote(UserSwordFolder(), CProgressLines());
    auto modules = remote.Refresh(args.Get("source", "CrossWire"));
    if (const auto* error = std::get_if<std::string>(&modules)) {
      PrintLine(stderr, "skrybon-tool remote: " + *error);
      return kExitUsage;
    }
    for (const auto& module : std::get<std::vector<RemoteSwordModule>>(modules)) {
      if (!args.Has("all-languages") && module.language != language) continue;
      PrintLine(stdout, module.name + "\t" + module.language + "\t" + module.version + "\t" + module.installSize +
                            "\t" + module.licence + "\t" + module.description);
    }
    return kExitOk;
  });
}

}  // namespace skrybon::tool

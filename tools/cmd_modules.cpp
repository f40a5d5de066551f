// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool modules: lists the Bible text modules SWORD has installed.
#include <string>

#include "sword_source.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool modules [--sword-path DIR]\n"
    "  Lists the installed SWORD Bible text modules, one a line:\n"
    "  name<TAB>language<TAB>versification<TAB>description.\n"
    "  Without --sword-path the SWORD library's own search rules apply\n"
    "  (SWORD_PATH, ~/.sword, /usr/share/sword). Any of them can be imported with\n"
    "  skrybon-tool import --format sword --translation bg|bw|bt NAME.\n";

}  // namespace

int ModulesMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"sword-path"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    args.ExpectPositional(0, "no argument");
    for (const auto& module : ListSwordBibles({args.Get("sword-path", "")})) {
      PrintLine(stdout, module.name + "\t" + module.language + "\t" + module.versification + "\t" +
                            module.description);
    }
    return kExitOk;
  });
}

}  // namespace skrybon::tool

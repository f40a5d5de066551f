// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool check: verifies the data files of all three translations.
#include "app/data_folder.h"
#include "data/data_check.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool check [--data DIR]\n"
    "  Reads BG, BW and BT from DIR (default: the main folder the program finds) as\n"
    "  the program does and checks every book file against the index. Prints one line\n"
    "  per translation, or each problem with its file name (a missing alias file counts as one, since\n"
    "  the program reports it at start). Exit code 0 when all is well, 1 otherwise.\n";

}  // namespace

int CheckMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"data"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    args.ExpectPositional(0, "");
    const std::string folder = ResolveProcessDataFolder(args.Get("data"));
    bool allWell = true;
    for (const TranslationId id : kAllTranslations) {
      const TranslationCheck check = CheckTranslationFolder(folder, id);
      if (check.problems.empty()) {
        PrintLine(stdout, ShapeSummary(id, check.index));
        continue;
      }
      allWell = false;
      for (const auto& problem : check.problems) {
        PrintIndented(stdout, std::string(TranslationCode(id)) + ": ", problem);
      }
    }
    return allWell ? kExitOk : kExitFailure;
  });
}

}  // namespace skrybon::tool

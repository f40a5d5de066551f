// skrybon-tool check: verifies the data files of all three translations.
#include "app/data_folder.h"
#include "data/data_check.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool check [--data DIR]\n"
    "  Reads BG, BW and BT as the program does, each from the first data folder\n"
    "  holding its index (or all from DIR), and checks every book file against the\n"
    "  index. Prints one line per translation: its shape, \"not installed\", or each\n"
    "  problem with its file name (a missing alias file counts as one, since the\n"
    "  program reports it at start). Exit code 0 when every installed translation is\n"
    "  whole, 1 when one is damaged or none is installed.\n";

}  // namespace

int CheckMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"data"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    args.ExpectPositional(0, "");
    const TranslationFolders folders = ProcessTranslationFolders(args.Get("data"));
    bool allWell = true;
    bool anyInstalled = false;
    for (const TranslationId id : kAllTranslations) {
      const TranslationFolder where = FindTranslationFolder(folders, id);
      if (!where.found) {
        PrintLine(stdout, std::string(TranslationCode(id)) + ": not installed (no " + IndexFileName(id) + " in " +
                              where.folder + (folders.lookIn.size() > 1 ? " or the other data folders)" : ")"));
        continue;
      }
      anyInstalled = true;
      const TranslationCheck check = CheckTranslationFolder(where.folder, id);
      if (check.problems.empty()) {
        PrintLine(stdout, ShapeSummary(id, check.index));
        continue;
      }
      allWell = false;
      for (const auto& problem : check.problems) {
        PrintIndented(stdout, std::string(TranslationCode(id)) + ": ", problem);
      }
    }
    return allWell && anyInstalled ? kExitOk : kExitFailure;
  });
}

}  // namespace skrybon::tool

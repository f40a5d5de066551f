// skrybon-tool check: verifies the data files of all three translations.
#include "app/data_folder.h"
#include "data/data_check.h"
#include "data/translation_files.h"
#include "lock_wait.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool check [--data DIR] [--repair [--lock-wait SECONDS]]\n"
    "  Reads BG, BW and BT from DIR (default: the main folder the program finds) as\n"
    "  the program does and checks every book file against the index. Prints one line\n"
    "  per translation, or each problem with its file name (a missing alias file counts as one, since\n"
    "  the program reports it at start). Exit code 0 when all is well, 1 otherwise.\n"
    "  An import that was cut short (its files may mix two texts) is a problem; leftovers\n"
    "  of interrupted writes are mentioned. --repair first puts back the files from\n"
    "  before an import cut short and removes the leftovers, holding DIR as an import\n"
    "  does (waiting --lock-wait SECONDS, default 5, for another one to finish).\n";

// Undoes unfinished imports and removes leftovers; false when something could not be repaired.
bool Repair(const ToolArgs& args, const std::string& folder) {
  const CFolderLock lock(folder, LockWait(args, "check", folder));
  if (!lock.Error().empty()) {
    PrintLine(stderr, "skrybon-tool check: " + lock.Error());
    return false;
  }
  bool allWell = true;
  for (const TranslationId id : kAllTranslations) {
    const std::string code(TranslationCode(id));
    if (HasUnfinishedImport(folder, id)) {
      if (auto undone = UndoUnfinishedImport(folder, id); !undone) {
        PrintLine(stderr, "skrybon-tool check: " + code + ": cannot undo the interrupted import: " + undone.error);
        allWell = false;
        continue;
      }
      PrintLine(stdout, code + ": an interrupted import was undone, the earlier files are back");
    }
    const auto leftovers = FindLeftovers(folder, id, lock.TakenAt());
    if (leftovers.empty()) continue;
    if (auto removed = RemoveLeftovers(folder, leftovers); !removed) {
      PrintLine(stderr, "skrybon-tool check: " + code + ": cannot remove " + removed.error);
      allWell = false;
      continue;
    }
    PrintLine(stdout,
              code + ": removed " + std::to_string(leftovers.size()) + " leftover file(s) of interrupted writes");
  }
  return allWell;
}

}  // namespace

int CheckMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"data", "lock-wait"}, {"repair"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    args.ExpectPositional(0, "");
    const std::string folder = ResolveProcessDataFolder(args.Get("data"));
    bool allWell = !args.Has("repair") || Repair(args, folder);
    for (const TranslationId id : kAllTranslations) {
      const TranslationCheck check = CheckTranslationFolder(folder, id);
      const std::string prefix = std::string(TranslationCode(id)) + ": ";
      if (check.problems.empty()) PrintLine(stdout, ShapeSummary(id, check.index));
      allWell = allWell && check.problems.empty();
      for (const auto& problem : check.problems) PrintIndented(stdout, prefix, problem);
      if (!check.leftovers.empty()) {
        PrintLine(stdout, prefix + std::to_string(check.leftovers.size()) +
                              " leftover file(s) of interrupted writes, such as " + check.leftovers.front() +
                              "; the next import or check --repair removes them");
      }
    }
    return allWell ? kExitOk : kExitFailure;
  });
}

}  // namespace skrybon::tool

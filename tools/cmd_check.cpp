// SPDX-License-Identifier: GPL-2.0-or-later
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
    "  Reads BG, BW and BT as the program does, each from the first data folder\n"
    "  holding its index (or all from DIR), and checks every book file against the\n"
    "  index. Prints one line per translation: its shape, \"not installed\", or each\n"
    "  problem with its file name (a missing alias file counts as one, since the\n"
    "  program reports it at start). Exit code 0 when every installed translation is\n"
    "  whole, 1 when one is damaged or none is installed.\n"
    "  An import that was cut short (its files may mix two texts) is a problem; leftovers\n"
    "  of interrupted writes are mentioned. --repair first puts back the files from\n"
    "  before an import cut short and removes the leftovers, holding each folder as an import\n"
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
    const TranslationFolders folders = ProcessTranslationFolders(args.Get("data"));
    bool allWell = true;
    if (args.Has("repair")) {
      std::vector<std::string> repaired;  // each translation's folder once
      for (const TranslationId id : kAllTranslations) {
        const std::string folder = FindTranslationFolder(folders, id).folder;
        if (std::find(repaired.begin(), repaired.end(), folder) != repaired.end()) continue;
        repaired.push_back(folder);
        allWell = Repair(args, folder) && allWell;
      }
    }
    bool anyInstalled = false;
    for (const TranslationId id : kAllTranslations) {
      const std::string prefix = std::string(TranslationCode(id)) + ": ";
      const TranslationFolder where = FindTranslationFolder(folders, id);
      if (!where.found && HasUnfinishedImport(where.folder, id)) {
        PrintLine(stdout, prefix + "an import into " + where.folder + " was cut short; check --repair undoes it");
        allWell = false;
        continue;
      }
      if (!where.found) {
        PrintLine(stdout, prefix + "not installed (no " + IndexFileName(id) + " in " + where.folder +
                              (folders.lookIn.size() > 1 ? " or the other data folders)" : ")"));
        continue;
      }
      anyInstalled = true;
      const TranslationCheck check = CheckTranslationFolder(where.folder, id);
      if (check.problems.empty()) PrintLine(stdout, ShapeSummary(id, check.index));
      allWell = allWell && check.problems.empty();
      for (const auto& problem : check.problems) PrintIndented(stdout, prefix, problem);
      if (!check.leftovers.empty()) {
        PrintLine(stdout, prefix + std::to_string(check.leftovers.size()) +
                              " leftover file(s) of interrupted writes, such as " + check.leftovers.front() +
                              "; the next import or check --repair removes them");
      }
    }
    return allWell && anyInstalled ? kExitOk : kExitFailure;
  });
}

}  // namespace skrybon::tool

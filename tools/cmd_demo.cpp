// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool demo: a data folder of all three translations with synthetic text.
#include <filesystem>

#include "data/demo_data.h"
#include "data/translation_builder.h"
#include "data/translation_files.h"
#include "data/translation_writer.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUsage =
    "usage: skrybon-tool demo --out DIR\n"
    "  Writes BG, BW and BT with real-looking chapter and verse counts and made-up\n"
    "  Polish sentences (not Bible text), plus default alias files where none exist.\n"
    "  Should a translation fail (a full disk), the files and folders the command\n"
    "  created are removed again.\n";

}  // namespace

int DemoMain(std::span<const std::string> rawArgs) {
  return RunWithUsage(kUsage, [&] {
    const ToolArgs args(rawArgs, {"out"});
    if (args.Help()) {
      std::fputs(kUsage.data(), stdout);
      return kExitOk;
    }
    const std::string out = args.Required("out");
    args.ExpectPositional(0, "");
    CNewFolders newFolders;
    if (auto error = newFolders.Make(fs::path(out) / kBookFolder)) {
      PrintLine(stderr, "skrybon-tool demo: " + *error);
      return kExitFailure;
    }
    std::vector<std::string> created;  // files that were not there before
    for (const TranslationId id : kAllTranslations) {
      for (const auto& name : TranslationFileNames(id)) {
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(out + "/" + name, ec))) created.push_back(out + "/" + name);
      }
    }
    for (const TranslationId id : kAllTranslations) {
      CTranslationBuilder builder(id);
      AddDemoVerses(builder);
      const BuiltTranslation built = builder.Build();
      if (auto error = WriteTranslation(out, built)) {
        PrintLine(stderr, "skrybon-tool demo: " + *error);
        for (const auto& path : created) {
          std::error_code ignored;
          fs::remove(path, ignored);
        }
        return kExitFailure;
      }
      PrintLine(stdout, ShapeSummary(id, built.index) + " written to " + out);
    }
    newFolders.Keep();
    return kExitOk;
  });
}

}  // namespace skrybon::tool

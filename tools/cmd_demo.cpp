// SPDX-License-Identifier: GPL-2.0-or-later
// skrybon-tool demo: a data folder of all three translations with synthetic text.
#include "data/demo_data.h"
#include "data/translation_builder.h"
#include "data/translation_writer.h"
#include "tool_args.h"
#include "tool_output.h"

namespace skrybon::tool {
namespace {

constexpr std::string_view kUsage =
    "usage: skrybon-tool demo --out DIR\n"
    "  Writes BG, BW and BT with real-looking chapter and verse counts and made-up\n"
    "  Polish sentences (not Bible text), plus default alias files where none exist.\n";

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
    for (const TranslationId id : kAllTranslations) {
      CTranslationBuilder builder(id);
      AddDemoVerses(builder);
      const BuiltTranslation built = builder.Build();
      if (auto error = WriteTranslation(out, built)) {
        PrintLine(stderr, "skrybon-tool demo: " + *error);
        return kExitFailure;
      }
      PrintLine(stdout, ShapeSummary(id, built.index) + " written to " + out);
    }
    return kExitOk;
  });
}

}  // namespace skrybon::tool

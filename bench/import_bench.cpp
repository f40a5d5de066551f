// SPDX-License-Identifier: GPL-2.0-or-later
// Importing the King James module that Debian installs (sword-text-kjv)
// through the SWORD library, side by side with importing the very same verses
// from TSV text: both end in a built translation, neither writes files.
// SKRYBON_SWORD_MODULE names another module; skipped when it is not installed.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "data/codepage.h"
#include "data/translation_builder.h"
#include "sword_source.h"

namespace skrybon {
namespace {

std::string ModuleName() {
  const char* name = std::getenv("SKRYBON_SWORD_MODULE");
  return name ? name : "engKJV2006eb";
}

// The module's verses as TSV lines, built once from an import of the module.
const std::string& SameTextAsTsv() {
  static const std::string tsv = [] {
    CTranslationBuilder builder(TranslationId::BG);
    ProblemCount damaged;
    if (tool::CollectSwordModule({}, ModuleName(), builder, damaged)) return std::string();
    const BuiltTranslation built = builder.Build();
    std::string text;
    for (std::size_t b = 0; b < built.index.size(); ++b) {
      for (std::size_t c = 0; c < built.index[b].size(); ++c) {
        for (std::size_t v = 0; v < built.index[b][c].size(); ++v) {
          text += std::to_string(b) + '\t' + std::to_string(c + 1) + '\t' + std::to_string(v + 1) + '\t' +
                  Cp1250ToUtf8(built.books[b][built.index[b][c][v]]) + '\n';
        }
      }
    }
    return text;
  }();
  return tsv;
}

void BM_ImportSwordModule(benchmark::State& state) {
  if (SameTextAsTsv().empty()) return state.SkipWithError(("module " + ModuleName() + " not installed").c_str());
  for (auto _ : state) {
    CTranslationBuilder builder(TranslationId::BG);
    ProblemCount damaged;
    if (tool::CollectSwordModule({}, ModuleName(), builder, damaged)) return state.SkipWithError("import failed");
    benchmark::DoNotOptimize(builder.Build());
  }
}
BENCHMARK(BM_ImportSwordModule)->Unit(benchmark::kMillisecond);

void BM_ImportSameTextFromTsv(benchmark::State& state) {
  if (SameTextAsTsv().empty()) return state.SkipWithError(("module " + ModuleName() + " not installed").c_str());
  for (auto _ : state) {
    CTranslationBuilder builder(TranslationId::BG);
    ImportTsv(SameTextAsTsv(), builder);
    benchmark::DoNotOptimize(builder.Build());
  }
}
BENCHMARK(BM_ImportSameTextFromTsv)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace skrybon

BENCHMARK_MAIN();

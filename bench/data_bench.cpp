// SPDX-License-Identifier: GPL-2.0-or-later
// The data layer on a full-size Bible built from the corpus TSV
// (SKRYBON_BG_TSV, default /work/shared/corpus/bg.tsv) the way the data tool
// builds it: BG and BW from the TSV, BT from the same verses placed in BT's
// book order. Measures start-up loading of the three translations, reading
// the longest chapter (Psalm 119), FindVerseOfEntry over a whole book and
// ParseReference on typical input. Skipped when the TSV is absent.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "data/archive.h"
#include "data/book_ids.h"
#include "data/codepage.h"
#include "data/scripture_data.h"
#include "data/translation_builder.h"
#include "data/translation_writer.h"

namespace skrybon {
namespace {

struct Corpus {
  std::string folder;
  std::string problem;
};

// BT gets the 66 books at their BT places; its seven other books stay empty.
void AddTsv(std::string_view tsv, CTranslationBuilder& builder) {
  if (builder.Id() != TranslationId::BT) {
    ImportTsv(tsv, builder);
    return;
  }
  CTranslationBuilder protestant(TranslationId::BG);
  ImportTsv(tsv, protestant);
  const BuiltTranslation bg = protestant.Build();
  for (std::size_t b = 0; b < bg.index.size(); ++b) {
    for (std::size_t c = 0; c < bg.index[b].size(); ++c) {
      for (std::size_t v = 0; v < bg.index[b][c].size(); ++v) {
        builder.AddVerse(BtBookFromProtestant(static_cast<int>(b)), static_cast<int>(c + 1), static_cast<int>(v + 1),
                         Cp1250ToUtf8(bg.books[b][bg.index[b][c][v]]));
      }
    }
  }
}

const Corpus& LoadCorpus() {
  static const Corpus corpus = [] {
    Corpus c;
    const char* env = std::getenv("SKRYBON_BG_TSV");
    const std::string tsvPath = env != nullptr ? env : "/work/shared/corpus/bg.tsv";
    std::vector<std::uint8_t> bytes;
    if (!ReadWholeFile(tsvPath, bytes)) {
      c.problem = "corpus not found: " + tsvPath;
      return c;
    }
    const std::string_view tsv(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    c.folder = (std::filesystem::temp_directory_path() / "skrybon_data_bench").string();
    for (const TranslationId id : kAllTranslations) {
      CTranslationBuilder builder(id);
      AddTsv(tsv, builder);
      if (auto message = WriteTranslation(c.folder, builder.Build())) {
        c.problem = *message;
        return c;
      }
    }
    return c;
  }();
  return corpus;
}

bool Skip(benchmark::State& state) {
  if (LoadCorpus().problem.empty()) return false;
  state.SkipWithError(LoadCorpus().problem.c_str());
  return true;
}

void BM_LoadThreeTranslations(benchmark::State& state) {
  if (Skip(state)) return;
  for (auto _ : state) {
    CScriptureData data(LoadCorpus().folder);
    const bool ok = data.LoadAll([](const std::string&) {});
    benchmark::DoNotOptimize(ok);
    if (!ok) state.SkipWithError("loading failed");
  }
}
BENCHMARK(BM_LoadThreeTranslations)->Unit(benchmark::kMillisecond);

void BM_LoadChapterPsalm119(benchmark::State& state) {
  if (Skip(state)) return;
  CScriptureData data(LoadCorpus().folder);
  data.LoadAll([](const std::string&) {});
  for (auto _ : state) {
    std::vector<std::string> lines;
    const auto message = data.LoadChapterText(TranslationId::BG, 18, 118, lines);
    if (message || lines.size() != 176) state.SkipWithError("Psalm 119 not read");
    benchmark::DoNotOptimize(lines);
  }
}
BENCHMARK(BM_LoadChapterPsalm119)->Unit(benchmark::kMicrosecond);

// Every entry of the Psalms looked up once, as a search finding every verse would.
void BM_FindVerseOfEntryWholeBook(benchmark::State& state) {
  if (Skip(state)) return;
  CScriptureData data(LoadCorpus().folder);
  data.LoadAll([](const std::string&) {});
  const CTranslationIndex& bg = data.Get(TranslationId::BG);
  const auto last = bg.GetChapterEntryRange(18, 149).second;
  for (auto _ : state) {
    for (int entry = 0; entry <= last; ++entry) {
      int chapter = -1, verse = -1;
      bg.FindVerseOfEntry(18, entry, chapter, verse);
      benchmark::DoNotOptimize(chapter + verse);
    }
  }
  state.SetItemsProcessed(state.iterations() * (last + 1));
}
BENCHMARK(BM_FindVerseOfEntryWholeBook)->Unit(benchmark::kMillisecond);

void BM_ParseReference(benchmark::State& state) {
  if (Skip(state)) return;
  CScriptureData data(LoadCorpus().folder);
  data.LoadAll([](const std::string&) {});
  const CTranslationIndex& bg = data.Get(TranslationId::BG);
  const std::string typed[] = {Cp("1 Kor 13:4"), Cp("ps 23"), Cp("Obj 22:21"), Cp("Dz.Ap. 2:1"),
                               Cp("Łuk 24 53"), Cp("Judy 1:25")};
  std::size_t i = 0;
  for (auto _ : state) {
    std::string text = typed[i++ % std::size(typed)];
    int chapter = -1, verse = -1;
    benchmark::DoNotOptimize(bg.ParseReference(text, chapter, verse));
  }
}
BENCHMARK(BM_ParseReference)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace skrybon

BENCHMARK_MAIN();

// SPDX-License-Identifier: GPL-2.0-or-later
// Whole-translation searches over a full-size Biblia Gdańska built from the
// corpus TSV (SKRYBON_BG_TSV, default /work/shared/corpus/bg.tsv): everything
// a search costs in the program — reading all book files, decoding, letter
// case folding, matching and labels. Skipped when the TSV is absent.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "data/archive.h"
#include "data/codepage.h"
#include "data/translation_builder.h"
#include "data/translation_writer.h"
#include "data/verse_index.h"
#include "search/search_engine.h"

namespace skrybon {
namespace {

struct Corpus {
  std::string folder;
  CTranslationIndex index{TranslationId::BG};
  std::string problem;
};

const Corpus& LoadCorpus() {
  static const Corpus corpus = [] {
    Corpus c;
    const char* env = std::getenv("SKRYBON_BG_TSV");
    const std::string tsvPath = env != nullptr ? env : "/work/shared/corpus/bg.tsv";
    std::vector<std::uint8_t> tsv;
    if (!ReadWholeFile(tsvPath, tsv)) {
      c.problem = "corpus not found: " + tsvPath;
      return c;
    }
    c.folder = (std::filesystem::temp_directory_path() / "skrybon_search_bench").string();
    CTranslationBuilder builder(TranslationId::BG);
    ImportTsv(std::string_view(reinterpret_cast<const char*>(tsv.data()), tsv.size()), builder);
    if (auto message = WriteTranslation(c.folder, builder.Build())) {
      c.problem = *message;
      return c;
    }
    if (auto message = c.index.LoadIndex(c.folder)) c.problem = Cp1250ToUtf8(*message);
    return c;
  }();
  return corpus;
}

constexpr auto Or = SearchOperator::Or;
constexpr auto And = SearchOperator::And;
constexpr auto Not = SearchOperator::AndNot;

// range(0): 0 one word, 1 a phrase, 2 four words with mixed operators;
// range(1): 0 anywhere, 1 whole word, 2 word start; range(2): case-sensitive.
SearchRequest Request(const benchmark::State& state) {
  SearchRequest request;
  switch (state.range(0)) {
    case 0:
      request.words = {Cp("pan"), "", "", ""};
      break;
    case 1:
      request.words = {Cp("pan bóg"), "", "", ""};
      break;
    default:
      request.words = {Cp("wiara"), Cp("nadzieja"), Cp("miłość"), Cp("grzech")};
      request.operators = {Or, And, Not};
      break;
  }
  request.method = static_cast<SearchMethod>(state.range(1));
  request.caseSensitive = state.range(2) != 0;
  return request;
}

void BM_WholeTranslationSearch(benchmark::State& state) {
  const Corpus& corpus = LoadCorpus();
  if (!corpus.problem.empty()) {
    state.SkipWithError(corpus.problem.c_str());
    return;
  }
  const SearchRequest request = Request(state);
  CFoundVerseList list;
  for (auto _ : state) {
    CTranslationSearch search(request, corpus.index, corpus.folder, "ksiegi");
    RunSearch(search, list, [](const std::string&) {}, [](int) { return true; });
    benchmark::DoNotOptimize(list.GetCount());
  }
  state.counters["found"] = list.GetCount();
}

BENCHMARK(BM_WholeTranslationSearch)
    ->ArgNames({"query", "method", "case"})
    ->ArgsProduct({{0, 1, 2}, {0, 1, 2}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });

}  // namespace
}  // namespace skrybon

BENCHMARK_MAIN();

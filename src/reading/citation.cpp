// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/citation.h"

#include <algorithm>

namespace skrybon {
namespace {

// A maximal run of consecutive selected verses, first..last (0-based).
struct VerseRun {
  int first;
  int last;
};

// The selection as used: the first 180 indices, sorted, without repeats.
std::vector<int> SelectedVerses(const CitationInput& input) {
  const std::size_t n = std::min(input.verses.size(), kMaxSelectedVerses);
  std::vector<int> verses(input.verses.begin(), input.verses.begin() + static_cast<std::ptrdiff_t>(n));
  std::sort(verses.begin(), verses.end());
  verses.erase(std::unique(verses.begin(), verses.end()), verses.end());
  return verses;
}

std::vector<VerseRun> Runs(const std::vector<int>& verses) {
  std::vector<VerseRun> runs;
  for (const int v : verses) {
    if (!runs.empty() && runs.back().last + 1 == v) {
      runs.back().last = v;
    } else {
      runs.push_back({v, v});
    }
  }
  return runs;
}

std::string Number(int zeroBased) { return std::to_string(zeroBased + 1); }

std::string VerseText(const CitationInput& input, int verse) {
  if (verse < 0 || static_cast<std::size_t>(verse) >= input.verseTexts.size()) return {};
  return input.verseTexts[static_cast<std::size_t>(verse)];
}

std::string ReferenceOf(const CitationInput& input, const std::vector<VerseRun>& runs) {
  std::string out = BookAbbreviation(input.translation, input.book) + " " + Number(input.chapter) + ":";
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (i > 0) out += ',';
    out += Number(runs[i].first);
    if (runs[i].last > runs[i].first) out.append("-").append(Number(runs[i].last));
  }
  return out;
}

bool IsSingleVerse(const std::vector<VerseRun>& runs) { return runs.size() == 1 && runs[0].first == runs[0].last; }

constexpr const char* kGapText = "    ...";

}  // namespace

std::string FormatSelectionReference(const CitationInput& input) {
  return ReferenceOf(input, Runs(SelectedVerses(input)));
}

std::string FormatSelectionTitle(const CitationInput& input) {
  const auto runs = Runs(SelectedVerses(input));
  const std::string gap = IsSingleVerse(runs) ? "  " : " ";
  return ReferenceOf(input, runs) + gap + std::string(TranslationSuffix(input.translation));
}

std::string FormatSelectionText(const CitationInput& input) {
  const auto runs = Runs(SelectedVerses(input));
  std::string out = ReferenceOf(input, runs);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    for (int v = runs[i].first; v <= runs[i].last; ++v) {
      out += "\r\n" + Number(v) + ". " + VerseText(input, v);
    }
    if (i + 1 < runs.size()) out += std::string("\r\n") + kGapText;
  }
  out += "\r\n" + std::string(TranslationSuffix(input.translation)) + "\r\n";
  return out;
}

void FillPrintVerseList(const CitationInput& input, CPrintVerseList& list) {
  const auto runs = Runs(SelectedVerses(input));
  list.Clear();
  list.SetDescription(ReferenceOf(input, runs));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    for (int v = runs[i].first; v <= runs[i].last; ++v) list.Append(Number(v) + ".", VerseText(input, v));
    if (i + 1 < runs.size()) list.Append("", kGapText);
  }
  list.Append("", std::string(TranslationSuffix(input.translation)));
}

}  // namespace skrybon

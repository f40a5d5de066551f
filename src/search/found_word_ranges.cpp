// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/found_word_ranges.h"

#include <algorithm>
#include <string>

#include "data/codepage.h"
#include "search/match_verse.h"

namespace skrybon {

std::vector<CTextRange> FoundWordRanges(std::string_view verse, const SearchRequest& request) {
  // Lower-casing maps one byte to one byte, so positions in the folded copy
  // are positions in the verse.
  SearchWords words = request.words;
  std::string folded;
  std::string_view text = verse;
  if (!request.caseSensitive) {
    folded = Cp1250Lower(verse);
    text = folded;
    for (std::string& word : words) Cp1250LowerInPlace(word);
  }
  std::vector<CTextRange> ranges;
  if (!MatchVerse(text, words, request.operators, request.method)) return ranges;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0 && request.operators[i - 1] == SearchOperator::AndNot) break;
    const std::string& word = words[i];
    for (std::size_t p = FindPassingOccurrence(text, word, request.method); p != std::string_view::npos;
         p = FindPassingOccurrence(text, word, request.method, p + 1)) {
      ranges.push_back({p, p + word.size()});
    }
  }
  std::sort(ranges.begin(), ranges.end(), [](const CTextRange& a, const CTextRange& b) { return a.begin < b.begin; });
  std::vector<CTextRange> joined;
  for (const CTextRange& range : ranges) {
    if (!joined.empty() && range.begin <= joined.back().end) {
      joined.back().end = std::max(joined.back().end, range.end);
    } else {
      joined.push_back(range);
    }
  }
  return joined;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/verse_words.h"

#include <algorithm>

namespace skrybon {

std::vector<std::string> SplitVerseWords(std::string_view text) {
  std::vector<std::string> words;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') {
      words.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) words.emplace_back(text.substr(start));
  return words;
}

std::string JoinVerseWords(std::span<const std::string> words) {
  std::string text;
  for (std::size_t i = 0; i < words.size(); ++i) {
    if (i > 0) text += ' ';
    text += words[i];
  }
  return text;
}

std::vector<std::vector<CTextRange>> RangesPerWord(std::span<const std::string> words,
                                                   std::span<const CTextRange> ranges) {
  std::vector<std::vector<CTextRange>> parts(words.size());
  std::size_t start = 0;  // of the word in the joined text
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::size_t end = start + words[i].size();
    for (const CTextRange& range : ranges) {
      const std::size_t from = std::max(range.begin, start);
      const std::size_t to = std::min(range.end, end);
      if (from < to) parts[i].push_back({from - start, to - start});
    }
    start = end + 1;
  }
  return parts;
}

}  // namespace skrybon

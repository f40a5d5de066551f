// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/match_verse.h"

namespace skrybon {

bool IsSearchSeparator(char c) {
  switch (c) {
    case ' ':
    case ',':
    case '.':
    case '?':
    case '"':
    case ';':
    case ':':
    case '!':
      return true;
    default:
      return false;
  }
}

bool PassesWordTest(std::string_view verse, std::size_t position, std::size_t length, SearchMethod method) {
  if (method == SearchMethod::Anywhere) return true;
  const bool startsWord = position == 0 || IsSearchSeparator(verse[position - 1]);
  if (method == SearchMethod::WordStart) return startsWord;
  const std::size_t end = position + length;
  return startsWord && (end == verse.size() || IsSearchSeparator(verse[end]));
}

bool CombineWordTests(const std::array<bool, kSearchWordCount>& tests, const SearchOperators& operators) {
  bool result = tests[kSearchWordCount - 1];
  for (int i = kSearchOperatorCount - 1; i >= 0; --i) {
    const bool left = tests[static_cast<std::size_t>(i)];
    switch (operators[static_cast<std::size_t>(i)]) {
      case SearchOperator::Or:
        result = left || result;
        break;
      case SearchOperator::And:
        result = left && result;
        break;
      case SearchOperator::AndNot:
        result = left && !result;
        break;
    }
  }
  return result;
}

std::size_t FindPassingOccurrence(std::string_view verse, std::string_view word, SearchMethod method,
                                  std::size_t from) {
  if (word.empty()) return std::string_view::npos;
  for (std::size_t p = verse.find(word, from); p != std::string_view::npos; p = verse.find(word, p + 1)) {
    if (PassesWordTest(verse, p, word.size(), method)) return p;
  }
  return std::string_view::npos;
}

bool MatchVerse(std::string_view verse, const SearchWords& words, const SearchOperators& operators,
                SearchMethod method) {
  std::array<bool, kSearchWordCount> tests{};
  for (std::size_t i = 0; i < words.size(); ++i) {
    tests[i] = FindPassingOccurrence(verse, words[i], method) != std::string_view::npos;
  }
  return CombineWordTests(tests, operators);
}

}  // namespace skrybon

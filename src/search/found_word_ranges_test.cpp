// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/found_word_ranges.h"

#include <gtest/gtest.h>

#include <random>

#include "data/codepage.h"
#include "search/match_verse.h"

namespace skrybon {

void PrintTo(const CTextRange& range, std::ostream* os) { *os << "[" << range.begin << ", " << range.end << ")"; }

namespace {

constexpr auto Or = SearchOperator::Or;
constexpr auto And = SearchOperator::And;
constexpr auto Not = SearchOperator::AndNot;
constexpr auto Anywhere = SearchMethod::Anywhere;
constexpr auto WholeWord = SearchMethod::WholeWord;
constexpr auto WordStart = SearchMethod::WordStart;

// A verse written with its expected ranges in brackets, e.g. "[Bóg] rzekł".
struct Marked {
  std::string verse;  // Windows-1250, without the brackets
  std::vector<CTextRange> ranges;
};

Marked Unmark(std::string_view utf8) {
  Marked m;
  std::size_t start = 0;
  while (start <= utf8.size()) {
    const std::size_t bracket = std::min(utf8.find_first_of("[]", start), utf8.size());
    m.verse += Cp(utf8.substr(start, bracket - start));
    if (bracket == utf8.size()) break;
    if (utf8[bracket] == '[') m.ranges.push_back({m.verse.size(), 0});
    else m.ranges.back().end = m.verse.size();
    start = bracket + 1;
  }
  return m;
}

TEST(FoundWordRanges, MarkTheOccurrencesThatMadeTheVerseMatch) {
  struct Case {
    const char* marked;
    std::array<const char*, 3> words;
    std::array<SearchOperator, 2> operators;
    SearchMethod method;
    bool caseSensitive;
  };
  const Case cases[] = {
      // Letter case rule.
      {"[Bóg] rzekł: [BÓG]", {"bóg"}, {Or, Or}, Anywhere, false},
      {"Bóg rzekł: [bóg]", {"bóg"}, {Or, Or}, Anywhere, true},
      // Every occurrence that passes the word test, and only those.
      {"do Pana mego rzekł [Pan]", {"pan"}, {Or, Or}, WholeWord, false},
      {"[Pan]a [pan]owie, spany", {"pan"}, {Or, Or}, WordStart, false},
      {"ba [a a]", {"a a"}, {Or, Or}, WholeWord, false},
      {"i rzekł [pan bóg]: niech", {"pan bóg"}, {Or, Or}, WholeWord, false},
      // Overlapping occurrences and neighbouring words make one range.
      {"b[anana]", {"ana"}, {Or, Or}, Anywhere, false},
      {"[panbóg]", {"pan", "bóg"}, {Or, Or}, Anywhere, false},
      // Operators: every word before the first NIE that holds is marked.
      {"[pan] do [mojżesz]a", {"pan", "mojżesz"}, {And, Or}, Anywhere, false},
      {"[pan] rzekł", {"aaron", "pan"}, {Or, Or}, Anywhere, false},
      {"[pan] rzekł", {"pan", "faraon", "mojżesz"}, {Not, Or}, Anywhere, false},
      {"pan i faraon", {"pan", "faraon"}, {Not, Or}, Anywhere, false},
      {"[pan], faraon i mojżesz", {"pan", "faraon", "mojżesz"}, {Not, Not}, Anywhere, false},
      {"[pan] i [faraon]", {"pan", "faraon", "mojżesz"}, {And, Not}, Anywhere, false},
  };
  for (const Case& c : cases) {
    SearchRequest request;
    for (std::size_t i = 0; i < c.words.size(); ++i) request.words[i] = Cp(c.words[i] ? c.words[i] : "");
    request.operators = {c.operators[0], c.operators[1], Or};
    request.method = c.method;
    request.caseSensitive = c.caseSensitive;
    const Marked expected = Unmark(c.marked);
    EXPECT_EQ(FoundWordRanges(expected.verse, request), expected.ranges) << c.marked;
  }
}

// On random verses and requests a verse has ranges exactly when the search
// matches it, and they are ordered, apart and inside the verse.
TEST(FoundWordRanges, PresentExactlyWhenTheVerseMatches) {
  std::mt19937 random(2026);
  const std::string alphabet = Cp("abAB ,.-(Ąą");
  const std::vector<std::string> candidates = {"a", "ab", "b a", "a a", "aba", Cp("ą"), "A,", "ba."};
  int matched = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    std::string verse;
    const int length = static_cast<int>(random() % 24);
    for (int c = 0; c < length; ++c) verse += alphabet[random() % alphabet.size()];
    SearchRequest request;
    for (std::string& w : request.words) w = random() % 3 == 0 ? "" : candidates[random() % candidates.size()];
    for (SearchOperator& op : request.operators) op = static_cast<SearchOperator>(random() % 3);
    request.method = static_cast<SearchMethod>(random() % 3);
    request.caseSensitive = random() % 2 == 0;

    SearchWords words = request.words;
    std::string folded = verse;
    if (!request.caseSensitive) {
      for (std::string& w : words) Cp1250LowerInPlace(w);
      Cp1250LowerInPlace(folded);
    }
    const bool matches = MatchVerse(folded, words, request.operators, request.method);
    const std::vector<CTextRange> ranges = FoundWordRanges(verse, request);
    ASSERT_EQ(!ranges.empty(), matches) << "trial " << trial << " verse '" << verse << "'";
    matched += matches;
    for (std::size_t i = 0; i < ranges.size(); ++i) {
      EXPECT_LT(ranges[i].begin, ranges[i].end);
      EXPECT_LE(ranges[i].end, verse.size());
      if (i > 0) EXPECT_LT(ranges[i - 1].end, ranges[i].begin);
    }
  }
  EXPECT_GT(matched, 150);  // both answers are well represented
}

}  // namespace
}  // namespace skrybon

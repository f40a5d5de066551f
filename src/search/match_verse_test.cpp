// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/match_verse.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

constexpr auto Or = SearchOperator::Or;
constexpr auto And = SearchOperator::And;
constexpr auto Not = SearchOperator::AndNot;

bool Match(std::string_view verse, SearchWords words, SearchOperators ops = {Or, Or, Or},
           SearchMethod method = SearchMethod::Anywhere) {
  return MatchVerse(verse, words, ops, method);
}

// The combination written out as the nested expression it stands for.
bool Apply(SearchOperator op, bool x, bool y) {
  return op == Or ? (x || y) : op == And ? (x && y) : (x && !y);
}

TEST(MatchVerse, EveryOperatorCombinationFoldsFromTheRight) {
  const SearchOperator all[] = {Or, And, Not};
  for (SearchOperator a : all) {
    for (SearchOperator b : all) {
      for (SearchOperator c : all) {
        for (int bits = 0; bits < 16; ++bits) {
          const bool t1 = bits & 1, t2 = bits & 2, t3 = bits & 4, t4 = bits & 8;
          // Each word either occurs in the verse or not.
          const SearchWords words = {"alfa", "beta", "gamma", "delta"};
          std::string verse = "x";
          if (t1) verse += " alfa";
          if (t2) verse += " beta";
          if (t3) verse += " gamma";
          if (t4) verse += " delta";
          const bool expected = Apply(a, t1, Apply(b, t2, Apply(c, t3, t4)));
          EXPECT_EQ(Match(verse, words, {a, b, c}), expected)
              << static_cast<int>(a) << static_cast<int>(b) << static_cast<int>(c) << " bits " << bits;
        }
      }
    }
  }
}

TEST(MatchVerse, OperatorsWithEmptyWords) {
  const std::string_view verse = "i rzekł pan do mojżesza";
  // "  I  " with an empty second word finds nothing, "NIE" finds what word 1 alone finds.
  EXPECT_FALSE(Match(verse, {"pan", "", "", ""}, {And, Or, Or}));
  EXPECT_TRUE(Match(verse, {"pan", "", "", ""}, {Not, Or, Or}));
  // An empty first word: only "LUB" lets the rest through.
  EXPECT_TRUE(Match(verse, {"", "pan", "", ""}, {Or, Or, Or}));
  EXPECT_FALSE(Match(verse, {"", "pan", "", ""}, {And, Or, Or}));
  EXPECT_FALSE(Match(verse, {"", "pan", "", ""}, {Not, Or, Or}));
  EXPECT_FALSE(Match(verse, {"", "", "", ""}));
}

// A word passes when any of its occurrences does: a failing first one must
// not hide a later or overlapping one that passes.
TEST(MatchVerse, AnyOccurrenceThatPassesCounts) {
  struct Case {
    std::string_view verse, word;
    bool wordStart, wholeWord;
  };
  const Case cases[] = {
      {"panowie, słuchajcie: pan mówi", "pan", true, true},
      {"do pana mego odpowiedział pan", "pan", true, true},  // the passing one ends the verse
      {"pan rzekł do pana", "pan", true, true},              // the passing one starts it, the rest fail
      {"(pan) i pan", "pan", true, true},
      {"-pan i panowie", "pan", true, false},
      {"spany, pany", "pan", true, false},
      {"pana, pany", "pan", true, false},
      {"spana zapan", "pan", false, false},
      {"anana", "ana", true, false},
      {"banana ana", "ana", true, true},
      // Occurrences that overlap: only the second of each pair passes.
      {"ba a a", "a a", true, true},
      {"yx x x", "x x", true, true},
      {"xab ab abc", "ab ab", true, false},
      // A phrase is one substring; its inner blank is not a boundary.
      {"i rzekł pan bóg: niech", "pan bóg", true, true},
      {"i rzekł pan bógów", "pan bóg", true, false},
  };
  for (const Case& c : cases) {
    const SearchWords words = {std::string(c.word), "", "", ""};
    EXPECT_TRUE(Match(c.verse, words, {Or, Or, Or}, SearchMethod::Anywhere)) << c.verse;
    EXPECT_EQ(Match(c.verse, words, {Or, Or, Or}, SearchMethod::WordStart), c.wordStart) << c.verse;
    EXPECT_EQ(Match(c.verse, words, {Or, Or, Or}, SearchMethod::WholeWord), c.wholeWord) << c.verse;
  }
}

TEST(MatchVerse, OnlyTheEightSeparatorsBoundWords) {
  for (char c : std::string(" ,.?\";:!")) {
    const std::string verse = std::string("x") + c + "bóg" + c;
    EXPECT_TRUE(Match(verse, {"bóg", "", "", ""}, {Or, Or, Or}, SearchMethod::WholeWord)) << verse;
  }
  for (char c : std::string("()-'0\t\n\r/")) {
    const std::string before = std::string("x") + c + "bóg";
    const std::string after = std::string("bóg") + c;
    EXPECT_FALSE(Match(before, {"bóg", "", "", ""}, {Or, Or, Or}, SearchMethod::WordStart)) << before;
    EXPECT_FALSE(Match(after, {"bóg", "", "", ""}, {Or, Or, Or}, SearchMethod::WholeWord)) << after;
  }
}

}  // namespace
}  // namespace skrybon

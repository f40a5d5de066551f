// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "data/codepage.h"
#include "reading/place_title.h"
#include "reading/verse_words.h"

namespace skrybon {
namespace {

TEST(VerseWords, BlanksEndWordsAndJoiningRestoresInnerRuns) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitVerseWords("a bc d"), (V{"a", "bc", "d"}));
  EXPECT_EQ(SplitVerseWords("a  b"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitVerseWords(" a"), (V{"", "a"}));
  EXPECT_EQ(SplitVerseWords("a "), (V{"a"}));
  EXPECT_EQ(SplitVerseWords("a  "), (V{"a", ""}));
  EXPECT_EQ(SplitVerseWords(""), V{});
  EXPECT_EQ(SplitVerseWords(" "), (V{""}));

  EXPECT_EQ(JoinVerseWords(SplitVerseWords("Bóg  rzekł")), "Bóg  rzekł");
  EXPECT_EQ(JoinVerseWords(SplitVerseWords("  x")), "  x");
  EXPECT_EQ(JoinVerseWords(V{}), "");
}

TEST(VerseWords, RangesOfTheJoinedTextFallOnTheWordsTheyCover) {
  using R = std::vector<CTextRange>;
  const std::vector<std::string> words = SplitVerseWords("ab  cde f");  // "ab", "", "cde", "f"
  struct Case {
    R ranges;
    std::vector<R> parts;
  } cases[] = {
      {{}, {{}, {}, {}, {}}},
      {{{0, 2}}, {{{0, 2}}, {}, {}, {}}},
      {{{5, 7}}, {{}, {}, {{1, 3}}, {}}},                    // inside a word after the empty one
      {{{1, 5}}, {{{1, 2}}, {}, {{0, 1}}, {}}},              // a phrase over blanks
      {{{0, 1}, {8, 9}}, {{{0, 1}}, {}, {}, {{0, 1}}}},      // the first and the last byte
      {{{2, 4}}, {{}, {}, {}, {}}},                          // blanks only
  };
  for (const Case& c : cases) EXPECT_EQ(RangesPerWord(words, c.ranges), c.parts);
}

TEST(PlaceTitle, AbbreviationChapterVerseFromOneAndTheCode) {
  EXPECT_EQ(FormatPlaceTitle(TranslationId::BG, 0, 0, 0), Cp("1 Moj. 1:1  (BG)"));
  EXPECT_EQ(FormatPlaceTitle(TranslationId::BT, 0, 0, 0), Cp("Rdz 1:1  (BT)"));
  EXPECT_EQ(FormatPlaceTitle(TranslationId::BG, 0, 2, 15), Cp("1 Moj. 3:16  (BG)"));
  const std::string bw = FormatPlaceTitle(TranslationId::BW, 18, 118, 175);
  EXPECT_NE(bw.find(" 119:176  (BW)"), std::string::npos) << bw;
  EXPECT_EQ(bw.rfind(BookAbbreviation(TranslationId::BW, 18), 0), 0u);
}

}  // namespace
}  // namespace skrybon

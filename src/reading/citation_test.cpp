// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/citation.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace skrybon {
namespace {

using Entry = CPrintVerseList::Entry;

// Chapter 3 of book 0 with verse texts T1..T12.
class CitationTest : public ::testing::Test {
 protected:
  CitationTest() {
    for (int v = 1; v <= 12; ++v) texts.push_back(std::string("T").append(std::to_string(v)));
  }
  CitationInput Input(const std::vector<int>& selected, TranslationId id = TranslationId::BG) {
    verses = selected;
    return {id, 0, 2, verses, texts};
  }
  std::vector<std::string> texts;
  std::vector<int> verses;
};

TEST_F(CitationTest, OneVerse) {
  texts.resize(16);
  texts[15] = "T16";
  const auto in = Input({15});
  EXPECT_EQ(FormatSelectionTitle(in), Cp("1 Moj. 3:16  (BG)"));
  EXPECT_EQ(FormatSelectionText(in), Cp("1 Moj. 3:16\r\n16. T16\r\n(BG)\r\n"));
  CPrintVerseList list;
  FillPrintVerseList(in, list);
  EXPECT_EQ(list.Description(), Cp("1 Moj. 3:16"));
  EXPECT_EQ(list.Entries(), (std::vector<Entry>{{"16.", "T16"}, {"", "(BG)"}}));
}

TEST_F(CitationTest, RunsAndGaps) {
  const auto in = Input({0, 1, 2, 4, 7, 8});
  EXPECT_EQ(FormatSelectionTitle(in), Cp("1 Moj. 3:1-3,5,8-9 (BG)"));
  EXPECT_EQ(FormatSelectionText(in),
            Cp("1 Moj. 3:1-3,5,8-9\r\n1. T1\r\n2. T2\r\n3. T3\r\n    ...\r\n5. T5\r\n    ...\r\n"
               "8. T8\r\n9. T9\r\n(BG)\r\n"));
  CPrintVerseList list;
  list.Append("stale", "entry");
  FillPrintVerseList(in, list);
  EXPECT_EQ(list.Description(), Cp("1 Moj. 3:1-3,5,8-9"));
  EXPECT_EQ(list.Entries(), (std::vector<Entry>{{"1.", "T1"},
                                                {"2.", "T2"},
                                                {"3.", "T3"},
                                                {"", "    ..."},
                                                {"5.", "T5"},
                                                {"", "    ..."},
                                                {"8.", "T8"},
                                                {"9.", "T9"},
                                                {"", "(BG)"}}));
}

TEST_F(CitationTest, OtherTranslationsUseTheirAbbreviationAndCode) {
  const auto bt = Input({0, 1, 2, 4, 7, 8}, TranslationId::BT);
  EXPECT_EQ(FormatSelectionTitle(bt), "Rdz 3:1-3,5,8-9 (BT)");
  EXPECT_TRUE(FormatSelectionText(bt).ends_with("\r\n(BT)\r\n"));
  CitationInput bw = Input({0}, TranslationId::BW);
  bw.book = 41;
  EXPECT_EQ(FormatSelectionTitle(bw), Cp("Łuk. 3:1  (BW)"));
}

TEST_F(CitationTest, TextIsKeptAsGivenAndMissingTextsAreEmpty) {
  texts[0] = "a  b";  // two blanks stay
  const auto in = Input({0, 40});
  EXPECT_EQ(FormatSelectionText(in), Cp("1 Moj. 3:1,41\r\n1. a  b\r\n    ...\r\n41. \r\n(BG)\r\n"));
}

TEST_F(CitationTest, OnlyTheFirst180VersesCount) {
  std::vector<int> many;
  for (int v = 0; v < 200; ++v) many.push_back(v * 2);
  const auto in = Input(many);
  CPrintVerseList list;
  FillPrintVerseList(in, list);
  // 180 verses, 179 gap lines and the code line.
  EXPECT_EQ(list.Entries().size(), 180u + 179u + 1u);
  EXPECT_TRUE(FormatSelectionTitle(in).ends_with(",359 (BG)"));
}

}  // namespace
}  // namespace skrybon

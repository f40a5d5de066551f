// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/line_layout.h"

#include <gtest/gtest.h>

#include <map>

#include "reading/verse_words.h"

namespace skrybon {
namespace {

// Every character is 10 pixels wide except those given; lines are 16 high.
class FakeMeasurer : public ITextMeasurer {
 public:
  std::map<std::string, int, std::less<>> widths;
  int charWidth = 10;
  Extent Measure(std::string_view text) const override {
    if (auto it = widths.find(text); it != widths.end()) return {it->second, 16};
    return {static_cast<int>(text.size()) * charWidth, 16};
  }
};

std::vector<int> XsOfLine(const VerseLayout& layout, int line) {
  std::vector<int> xs;
  for (const PlacedWord& w : layout.words)
    if (w.line == line) xs.push_back(w.x);
  return xs;
}

TEST(LineLayout, ShortVerseIsOneLeftAlignedLineWithXGaps) {
  // gap 7 ("x" measured as 7), words 30, 20, 40 wide
  FakeMeasurer m;
  m.widths = {{"x", 7}, {"aaa", 30}, {"bb", 20}, {"cccc", 40}};
  const std::vector<std::string> words = {"aaa", "bb", "cccc"};
  const VerseLayout layout = LayOutVerse(words, m, 45, 500);
  EXPECT_EQ(layout.lines, 1);
  EXPECT_EQ(layout.height, 16);
  EXPECT_EQ(XsOfLine(layout, 0), (std::vector<int>{45, 45 + 30 + 7, 45 + 30 + 7 + 20 + 7}));
}

TEST(LineLayout, EightWordLineWithTwentyPixelsLeftShareSpreadsByWordCount) {
  // Area 0..200; eight words of 20 = 160; R = 40 gives step 5 for the first six
  // gaps and the last word flush right: the last gap is 10.
  const std::vector<int> widths = {20, 20, 20, 20, 20, 20, 20, 20, 50};
  const VerseLayout layout = LayOutWords(widths, {3, 12}, 0, 200);
  ASSERT_EQ(layout.lines, 2);
  EXPECT_EQ(XsOfLine(layout, 0), (std::vector<int>{0, 25, 50, 75, 100, 125, 150, 180}));
  EXPECT_EQ(XsOfLine(layout, 1), (std::vector<int>{0}));
  EXPECT_EQ(layout.height, 24);
}

TEST(LineLayout, StepRoundsUpOnlyWhenRemainderExceedsHalfTheWordCount) {
  // Four words of 10 in an area of 83: R = 43, 43 / 4 = 10 rest 3 > 2: step 11.
  const std::vector<int> widths = {10, 10, 10, 10, 70};
  VerseLayout layout = LayOutWords(widths, {1, 10}, 0, 83);
  EXPECT_EQ(XsOfLine(layout, 0), (std::vector<int>{0, 21, 42, 73}));
  // Area 82: R = 42, rest 2 is not > 2: step 10; the last word still ends at 82.
  layout = LayOutWords(widths, {1, 10}, 0, 82);
  EXPECT_EQ(XsOfLine(layout, 0), (std::vector<int>{0, 20, 40, 72}));
}

TEST(LineLayout, BreaksWhenTheNextWordReachesTheLimitFiveBeforeTheEdge) {
  // Limit = 100 - 5 = 95. Two words of 40 with gap 10: 10 + 40 + 40 = 90 < 95 fits.
  // A third word of 4: 2*10 + 4 + 80 = 104 >= 95 breaks.
  VerseLayout layout = LayOutWords(std::vector<int>{40, 40}, {10, 10}, 0, 100);
  EXPECT_EQ(layout.lines, 1);
  layout = LayOutWords(std::vector<int>{40, 45}, {10, 10}, 0, 100);  // 10 + 45 + 40 = 95: breaks
  EXPECT_EQ(layout.lines, 2);
  EXPECT_EQ(XsOfLine(layout, 0), (std::vector<int>{60}));  // a lone word of a broken line sits right
  EXPECT_EQ(XsOfLine(layout, 1), (std::vector<int>{0}));
}

TEST(LineLayout, EveryBrokenLineEndsOnTheRightEdgeAndTheLastIsLeftAligned) {
  FakeMeasurer m;
  m.widths = {{"x", 6}};
  const std::vector<std::string> words =
      SplitVerseWords("Na początku stworzył Bóg niebo i ziemię a ziemia była pustkowiem i chaosem");
  const int left = 45, right = 190;
  const VerseLayout layout = LayOutVerse(words, m, left, right);
  ASSERT_GT(layout.lines, 2);
  ASSERT_EQ(layout.words.size(), words.size());
  for (std::size_t i = 0; i < layout.words.size(); ++i) {
    const PlacedWord& p = layout.words[i];
    EXPECT_EQ(p.word, i);
    const int width = m.Measure(words[i]).width;
    const bool lastOnLine = i + 1 == layout.words.size() || layout.words[i + 1].line != p.line;
    if (p.line < layout.lines - 1 && lastOnLine) {
      EXPECT_EQ(p.x + width, right) << words[i];
    }
    EXPECT_LE(p.x + width, right) << words[i];
  }
  // Last line: plain gaps from the left edge.
  const std::vector<int> xs = XsOfLine(layout, layout.lines - 1);
  EXPECT_EQ(xs.front(), left);
}

TEST(LineLayout, OverlongWordsStandAloneAndStartAtTheLeftEdge) {
  // First word too wide: the first line stays empty, the word begins line 1,
  // which breaks again before the next word and shows the lone word from the left.
  const std::vector<int> widths = {300, 20, 20};
  VerseLayout layout = LayOutWords(widths, {5, 10}, 45, 200);
  EXPECT_EQ(layout.lines, 3);
  EXPECT_EQ(layout.height, 30);
  EXPECT_EQ(layout.words, (std::vector<PlacedWord>{{0, 45, 1}, {1, 45, 2}, {2, 70, 2}}));
  // In the middle of a verse it closes the line before and has its own line.
  layout = LayOutWords(std::vector<int>{20, 300, 20}, {5, 10}, 45, 200);
  EXPECT_EQ(layout.lines, 3);
  EXPECT_EQ(layout.words, (std::vector<PlacedWord>{{0, 180, 0}, {1, 45, 1}, {2, 45, 2}}));
}

TEST(LineLayout, EmptyWordsTakeAGapAndAVerseWithoutWordsIsOneLine) {
  FakeMeasurer m;
  m.widths = {{"x", 5}};
  const std::vector<std::string> words = SplitVerseWords("ab  cd");
  ASSERT_EQ(words.size(), 3u);
  const VerseLayout layout = LayOutVerse(words, m, 0, 400);
  EXPECT_EQ(XsOfLine(layout, 0), (std::vector<int>{0, 25, 30}));  // double gap before "cd"
  const VerseLayout empty = LayOutVerse(std::vector<std::string>{}, m, 0, 400);
  EXPECT_EQ(empty.lines, 1);
  EXPECT_EQ(empty.height, 16);
  EXPECT_TRUE(empty.words.empty());
}

TEST(LineLayout, NarrowAreaNeverLoopsOrLosesWords) {
  // Width below the 5-pixel margin: every word is over-long.
  const std::vector<int> widths = {3, 3, 3};
  const VerseLayout layout = LayOutWords(widths, {1, 10}, 10, 12);
  EXPECT_EQ(layout.words.size(), 3u);
  EXPECT_EQ(layout.lines, 4);
}

}  // namespace
}  // namespace skrybon

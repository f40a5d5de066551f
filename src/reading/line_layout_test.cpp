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

// A line breaks when gaps and words reach the limit five pixels before the
// edge. A broken line spreads its free room R over its k words: the step is
// R / k, one more when the rest exceeds k / 2; the last word sits flush right.
TEST(LineLayout, BrokenLinesSpreadTheFreeRoomAndEndOnTheRightEdge) {
  struct Case {
    std::vector<int> widths;
    int gap, right;
    std::vector<int> firstLine;
  } cases[] = {
      {{20, 20, 20, 20, 20, 20, 20, 20, 50}, 3, 200, {0, 25, 50, 75, 100, 125, 150, 180}},  // R 40: step 5
      {{10, 10, 10, 10, 70}, 1, 83, {0, 21, 42, 73}},  // R 43: rest 3 > 2, step 11
      {{10, 10, 10, 10, 70}, 1, 82, {0, 20, 40, 72}},  // R 42: rest 2, step 10
      {{40, 45}, 10, 100, {60}},                       // 10 + 45 + 40 reaches 95: a lone word sits right
  };
  for (const Case& c : cases) {
    const VerseLayout layout = LayOutWords(c.widths, {c.gap, 12}, 0, c.right);
    EXPECT_EQ(layout.lines, 2);
    EXPECT_EQ(XsOfLine(layout, 0), c.firstLine) << c.right;
  }
  EXPECT_EQ(LayOutWords(std::vector<int>{40, 40}, {10, 10}, 0, 100).lines, 1);  // 90 stays below 95
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

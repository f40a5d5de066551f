// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/credits.h"

#include <gtest/gtest.h>

#include <tuple>

namespace skrybon {
namespace {

TEST(Credits, LastCharacterChoosesTheStyleAndIsNotKept) {
  const std::tuple<const char*, CCreditStyle, const char*> cases[] = {
      {"Tytuł\t", CCreditStyle::Heading1, "Tytuł"}, {"B\n", CCreditStyle::Heading2, "B"},
      {"C\r", CCreditStyle::Heading3, "C"},         {"170^", CCreditStyle::Picture, "170"},
      {"zwykły", CCreditStyle::Normal, "zwykły"},   {"", CCreditStyle::Normal, ""},
      {"\t", CCreditStyle::Heading1, ""}};
  for (const auto& [line, style, text] : cases) {
    EXPECT_EQ(ParseCreditLine(line).style, style) << line;
    EXPECT_EQ(ParseCreditLine(line).text, text) << line;
  }
}

TEST(Credits, SplitKeepsEmptyLines) {
  EXPECT_EQ(SplitCredits("a\n\nb\n", '\n'), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(SplitCredits("", '\n'), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitCredits("x\r|y\t", '|'), (std::vector<std::string>{"x\r", "y\t"}));
}

TEST(Credits, EachLineTakesItsHeightInTicksAndTheListLoopsForever) {
  CCreditsScroll scroll;
  EXPECT_EQ(scroll.Tick([](const CCreditLine&) { return 14; }), 0);  // empty: nothing happens
  scroll.SetLines({"Nagłówek\t", "tekst", "170^"});
  const auto height = [](const CCreditLine& line) {
    return line.style == CCreditStyle::Picture ? 5 : CreditFontHeight(line.style);
  };
  std::vector<int> rows;  // the row each tick drew
  while (scroll.CurrentIndex() == 0) rows.push_back(scroll.Tick(height));
  // The counter starts at 1: the heading is done after 20 ticks.
  ASSERT_EQ(rows.size(), 20u);
  EXPECT_EQ(rows.front(), 1);
  EXPECT_EQ(rows[18], 19);
  EXPECT_EQ(rows.back(), 0);  // first row of the next line
  EXPECT_TRUE(scroll.FirstPass());
  for (int i = 0; i < 13; ++i) scroll.Tick(height);
  EXPECT_EQ(scroll.CurrentIndex(), 2u);
  for (int i = 0; i < 4; ++i) scroll.Tick(height);
  EXPECT_EQ(scroll.CurrentIndex(), 0u);
  EXPECT_FALSE(scroll.FirstPass());
  // A line of height 0 or 1 never stalls the scroll.
  scroll.SetLines({"a", "b"});
  for (int i = 0; i < 4; ++i) scroll.Tick([](const CCreditLine&) { return 0; });
  EXPECT_EQ(scroll.CurrentIndex(), 0u);
  EXPECT_FALSE(scroll.FirstPass());
}

}  // namespace
}  // namespace skrybon

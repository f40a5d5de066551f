#include "ui/credits.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

TEST(Credits, LastCharacterChoosesTheStyleAndIsNotKept) {
  EXPECT_EQ(ParseCreditLine("Tytuł\t").style, CCreditStyle::Heading1);
  EXPECT_EQ(ParseCreditLine("Tytuł\t").text, "Tytuł");
  EXPECT_EQ(ParseCreditLine("B\n").style, CCreditStyle::Heading2);
  EXPECT_EQ(ParseCreditLine("C\r").style, CCreditStyle::Heading3);
  EXPECT_EQ(ParseCreditLine("C\r").text, "C");
  EXPECT_EQ(ParseCreditLine("170^").style, CCreditStyle::Picture);
  EXPECT_EQ(ParseCreditLine("170^").text, "170");
  EXPECT_EQ(ParseCreditLine("zwykły").style, CCreditStyle::Normal);
  EXPECT_EQ(ParseCreditLine("zwykły").text, "zwykły");
  EXPECT_EQ(ParseCreditLine("").style, CCreditStyle::Normal);
  EXPECT_EQ(ParseCreditLine("\t").text, "");
  EXPECT_EQ(CreditFontHeight(CCreditStyle::Heading1), 21);
  EXPECT_EQ(CreditFontHeight(CCreditStyle::Heading2), 19);
  EXPECT_EQ(CreditFontHeight(CCreditStyle::Heading3), 17);
  EXPECT_EQ(CreditFontHeight(CCreditStyle::Normal), 14);
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
  std::vector<int> rows;
  int ticks = 0;
  while (scroll.CurrentIndex() == 0) {
    rows.push_back(scroll.Tick(height));
    ++ticks;
  }
  // The counter starts at 1: the heading is done after 20 ticks.
  EXPECT_EQ(ticks, 20);
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

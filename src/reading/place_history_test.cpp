// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/place_history.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

std::vector<VerseRef> Places(const CPlaceHistory& history) {
  std::vector<VerseRef> places;
  for (const auto& e : history.Entries()) places.push_back(e.GetPlace());
  return places;
}

TEST(PlaceHistory, AnEqualPlaceMovesToTheHeadWithItsNewText) {
  CPlaceHistory history;
  history.AddPlace("A", 0, 0, 0);
  history.AddPlace("B", 0, 1, 0);
  history.AddPlace("A again", 0, 0, 0);
  EXPECT_EQ(Places(history), (std::vector<VerseRef>{{0, 0, 0}, {0, 1, 0}}));
  EXPECT_EQ(history.Entries().front().GetText(), "A again");

  // Same chapter, another verse: a separate place.
  history.AddPlace("A5", 0, 0, 4);
  EXPECT_EQ(history.Size(), 3u);

  // Re-adding a listed place to a full history drops nothing else.
  for (int book = 1; book <= 3; ++book) history.AddPlace("x", book, 0, 0);
  ASSERT_EQ(history.Size(), 6u);
  history.AddPlace("B", 0, 1, 0);
  EXPECT_EQ(history.Size(), 6u);
  EXPECT_EQ(Places(history).front(), (VerseRef{0, 1, 0}));
  EXPECT_EQ(Places(history).back(), (VerseRef{0, 0, 0}));
}

TEST(PlaceHistory, EntryTextGetsATabBeforeTheParenthesis) {
  EXPECT_EQ(HistoryEntryText("1 Moj. 1:1  (BG)"), "1 Moj. 1:1  \t(BG)");
  EXPECT_EQ(HistoryEntryText("(BG) first"), "(BG) first");
  EXPECT_EQ(HistoryEntryText("no code"), "no code");
}

// Seven places keep the six newest, newest first; the newest is the current
// place, so the menu lists the five before it.
TEST(HistoryMenuTest, ListsEarlierPlacesWithTheirPositionsAsIds) {
  CPlaceHistory history;
  EXPECT_TRUE(BuildHistoryMenu(history).items.empty());
  EXPECT_FALSE(BuildHistoryMenu(history).PlaceOf(1));

  for (int chapter = 0; chapter < 7; ++chapter)
    history.AddPlace(std::string("c").append(std::to_string(chapter)), 1, chapter, chapter + 10);
  ASSERT_EQ(history.Size(), 6u);
  const HistoryMenu menu = BuildHistoryMenu(history);
  ASSERT_EQ(menu.items.size(), 5u);
  EXPECT_EQ(menu.items.front().id, 2);
  EXPECT_EQ(menu.items.front().text, "c5");
  EXPECT_EQ(menu.items.back().id, 6);
  EXPECT_EQ(menu.items.back().text, "c1");
  EXPECT_EQ(menu.PlaceOf(2), (VerseRef{1, 5, 15}));
  EXPECT_EQ(menu.PlaceOf(6), (VerseRef{1, 1, 11}));
  EXPECT_EQ(menu.PlaceOf(1), (VerseRef{1, 6, 16}));
  EXPECT_FALSE(menu.PlaceOf(0));
  EXPECT_FALSE(menu.PlaceOf(7));
}

}  // namespace
}  // namespace skrybon

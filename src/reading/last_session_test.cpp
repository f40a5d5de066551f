// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/last_session.h"

#include <gtest/gtest.h>

#include "testing/profile_file_test.h"

namespace skrybon {
namespace {

TEST(LastSession, WindowKeysReadBackAndDamagedOnesAreRefused) {
  const CSessionWindow w{.translation = TranslationId::BW, .comparison = true, .place = {18, 22, 4}, .top = 2,
                         .geometry = {10, -20, 400, 300}, .show = CSessionShow::Maximized, .selected = {4, 5, 7}};
  EXPECT_EQ(FormatSessionWindow(w), "BW,comparison,18,22,4,2,10,-20,400,300,maximized,4 5 7");
  EXPECT_EQ(ParseSessionWindow(FormatSessionWindow(w)), w);
  EXPECT_EQ(ParseSessionWindow("BT,translation,0,0,0,0,0,0,1,1,minimized,")->selected, std::vector<int>{});

  for (const char* damaged : {"", "XX,translation,0,0,0,0,0,0,1,1,normal,",
                              "BG,window,0,0,0,0,0,0,1,1,normal,", "BG,translation,0,0,x,0,0,0,1,1,normal,",
                              "BG,translation,0,0,0,0,0,0,1,1,huge,", "BG,translation,0,0,0,0,0,0,1,1,normal",
                              "BG,translation,0,0,0,0,0,0,1,1,normal,1 a",
                              "BG,translation,0,0,99999999999,0,0,0,1,1,normal,"})
    EXPECT_FALSE(ParseSessionWindow(damaged)) << damaged;
}

class LastSessionProfileTest : public testing::CProfileFileTest {};

TEST_F(LastSessionProfileTest, StoredWindowsComeBackWithTheActiveOneAndDamagedKeysLeftOut) {
  CLastSession session;
  for (const int book : {0, 1, 2}) {
    CSessionWindow w;
    w.place.book = book;
    session.windows.push_back(w);
  }
  session.active = 2;
  {
    CProfile profile(path_);
    EXPECT_FALSE(LoadSessionOption(profile));
    StoreSession(profile, true, session);
    ASSERT_TRUE(profile.Flush());
  }
  CProfile profile(path_);
  EXPECT_TRUE(LoadSessionOption(profile));
  CLastSession read = LoadSession(profile);
  EXPECT_EQ(read.windows, session.windows);
  EXPECT_EQ(read.active, 2);

  // The first window damaged: the active one is still the third stored.
  profile.SetProfileString(kSessionSection, "Window 1", "rubbish");
  read = LoadSession(profile);
  ASSERT_EQ(read.windows.size(), 2u);
  EXPECT_EQ(read.windows[read.active].place.book, 2);

  // Switched off: nothing of the windows is written, and nothing is restored.
  StoreSession(profile, false, {});
  EXPECT_FALSE(LoadSessionOption(profile));
}

TEST(LastSession, AbsurdValuesAreHeldToTheBooksAndTheArea) {
  CTranslationIndex index(TranslationId::BG);
  // Book 0: chapters of 3 and 5 verses; book 1: one chapter of 2 verses.
  index.SetIndex({{{1, 2, 3}, {4, 5, 6, 7, 8}}, {{1, 2}}});
  struct Case {
    VerseRef place;
    int top;
    std::vector<int> selected;
    CascadeRect geometry;
    VerseRef heldPlace;
    int heldTop;
    std::vector<int> heldSelected;
    CascadeRect heldGeometry;
  } cases[] = {
      {{0, 1, 4}, 2, {1, 4}, {10, 10, 300, 200}, {0, 1, 4}, 2, {1, 4}, {10, 10, 300, 200}},
      {{500, 7, 9}, 99, {-1, 1, 5, 1}, {-50, 5000, 99999, 10}, {1, 0, 1}, 1, {1}, {0, 480, 800, 120}},
      {{-3, -1, -1}, -5, {}, {790, 590, 300, 200}, {0, 0, 0}, 0, {}, {500, 400, 300, 200}},
  };
  for (const Case& c : cases) {
    const CSessionWindow w{.place = c.place, .top = c.top, .geometry = c.geometry, .selected = c.selected};
    const auto held = HoldSessionWindow(w, index, 800, 600, 210, 120);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->place, c.heldPlace);
    EXPECT_EQ(held->top, c.heldTop);
    EXPECT_EQ(held->selected, c.heldSelected);
    EXPECT_EQ(held->geometry, c.heldGeometry);
  }
  EXPECT_FALSE(HoldSessionWindow({}, CTranslationIndex(TranslationId::BT), 800, 600, 210, 120));
}

}  // namespace
}  // namespace skrybon

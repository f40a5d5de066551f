// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/window_placement.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <vector>

#include "testing/profile_file_test.h"

namespace skrybon {
namespace {

class PlacementTest : public testing::CProfileFileTest {};

TEST_F(PlacementTest, FirstRunWritesTheDefaultsAtOnce) {
  CProfile profile(path_);
  EXPECT_EQ(LoadPlacement(profile, 1024, 768), (CPlacementRect{50, 50, 631, 462}));
  EXPECT_EQ(ReadFile(), "[Main Window State]\nLeft=50\nTop=50\nWidth=631\nHeight=462\n");
  EXPECT_EQ(LoadShowCommand(profile), CShowCommand::AsStarted);
}

// Another copy holding the profile does not hold up the window: the
// defaults wait for the close instead of for the lock.
TEST_F(PlacementTest, FirstRunDoesNotWaitForAHeldProfile) {
  CProfile profile(path_, std::chrono::seconds(10));
  const int held = ::open((path_ + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(LoadPlacement(profile, 1024, 768), (CPlacementRect{50, 50, 631, 462}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  ::close(held);
  EXPECT_EQ(ReadFile(), "");
}

TEST_F(PlacementTest, OffScreenFallsBackToTheDefaults) {
  // The edge: a window must overlap (0, 0, width - 10, height - 10); sums must
  // not overflow. Nothing was missing, so nothing is written back.
  for (const auto& [stored, left] : {std::pair{"Left=1013\nTop=0\nWidth=100\nHeight=100\n", 1013},
                                     std::pair{"Left=1014\nTop=0\nWidth=100\nHeight=100\n", 50},
                                     std::pair{"Left=-700\nTop=-500\nWidth=700\nHeight=600\n", 50},
                                     std::pair{"Left=2147483000\nTop=0\nWidth=2147483000\nHeight=10\n", 50}}) {
    WriteFile(std::string("[Main Window State]\n") + stored);
    CProfile profile(path_);
    EXPECT_EQ(LoadPlacement(profile, 1024, 768).left, left) << stored;
    EXPECT_EQ(ReadFile(), std::string("[Main Window State]\n") + stored);
  }

  // A missing key takes its default and is written, and the window still
  // never opens off the screen.
  WriteFile("[Main Window State]\nLeft=5000\nTop=10\nWidth=400\n");
  CProfile partial(path_);
  EXPECT_EQ(LoadPlacement(partial, 1024, 768), (CPlacementRect{50, 50, 631, 462}));
  EXPECT_EQ(partial.GetProfileInt("Main Window State", "Height", 0), 462);
  WriteFile("[Main Window State]\nLeft=300\nWidth=400\n");
  CProfile onScreen(path_);
  EXPECT_EQ(LoadPlacement(onScreen, 1024, 768), (CPlacementRect{300, 50, 400, 462}));
}

TEST(HoldToScreen, SizesBeyondTheScreenAreHeldToTheScreenItLandsOn) {
  const CPlacementRect screen{0, 0, 1024, 768};
  const CPlacementRect panelOnTop{0, 27, 1024, 741};
  const CPlacementRect second{1024, 0, 1920, 1080};
  struct Row {
    CPlacementRect stored;
    std::vector<CPlacementRect> screens;
    CPlacementRect held;
  };
  const std::vector<Row> rows = {
      // What fits keeps its place, even partly off the screen.
      {{50, 50, 631, 462}, {screen}, {50, 50, 631, 462}},
      {{900, 700, 400, 300}, {screen}, {900, 700, 400, 300}},
      // Too wide or too high: as large as the available area, from its edge.
      {{50, 50, 2147483647, 2147483647}, {screen}, {0, 0, 1024, 768}},
      {{50, 50, 100000, 300}, {screen}, {0, 50, 1024, 300}},
      {{50, 50, 631, 5000}, {panelOnTop}, {50, 27, 631, 741}},
      // The screen it overlaps most decides; overlapping none, the first one.
      {{1100, 100, 1800, 1000}, {screen, second}, {1100, 100, 1800, 1000}},
      {{1100, 100, 5000, 5000}, {screen, second}, {1024, 0, 1920, 1080}},
      {{-2147483647, 0, 2147483647, 2000}, {screen, second}, {0, 0, 1024, 768}},
      {{900, 100, 2000, 100}, {screen, second}, {1024, 100, 1920, 100}},
      {{50, 50, 100000, 100000}, {}, {50, 50, 100000, 100000}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(HoldToScreen(row.stored, row.screens), row.held)
        << row.stored.left << "," << row.stored.top << " " << row.stored.width << "x" << row.stored.height;
  }
}

TEST_F(PlacementTest, SavedStyleChoosesTheShowCommand) {
  CProfile profile(path_);
  StorePlacement(profile, CPlacementRect{10, 20, 700, 500}, CStoredShow::Maximized);
  EXPECT_TRUE(profile.Flush());
  EXPECT_EQ(ReadFile(),
            "[Main Window State]\nLeft=10\nTop=20\nWidth=700\nHeight=500\nStyle=16777216\n");
  EXPECT_EQ(LoadShowCommand(profile), CShowCommand::Maximized);
  StorePlacement(profile, CPlacementRect{10, 20, 700, 500}, CStoredShow::Minimized);
  EXPECT_EQ(profile.GetProfileInt("Main Window State", "Style", 0), 536870912);
  EXPECT_EQ(LoadShowCommand(profile), CShowCommand::Minimized);
  StorePlacement(profile, CPlacementRect{10, 20, 700, 500}, CStoredShow::Normal);
  EXPECT_EQ(LoadShowCommand(profile), CShowCommand::Restore);
  for (const auto& [style, command] :
       {std::pair{3, CShowCommand::Maximized}, std::pair{2, CShowCommand::Minimized},
        std::pair{1, CShowCommand::Restore}, std::pair{-5, CShowCommand::Restore}}) {
    profile.WriteProfileInt("Main Window State", "Style", style);
    EXPECT_EQ(LoadShowCommand(profile), command) << style;
  }
}

}  // namespace
}  // namespace skrybon

#include "app/window_placement.h"

#include <gtest/gtest.h>

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

TEST_F(PlacementTest, OffScreenFallsBackToTheDefaults) {
  WriteFile("[Main Window State]\nLeft=5000\nTop=10\nWidth=400\nHeight=300\n");
  CProfile profile(path_);
  EXPECT_EQ(LoadPlacement(profile, 1024, 768), (CPlacementRect{50, 50, 631, 462}));
  // Nothing was missing, so nothing is written back.
  EXPECT_EQ(ReadFile(), "[Main Window State]\nLeft=5000\nTop=10\nWidth=400\nHeight=300\n");

  // A missing key takes its default and is written, and the window still
  // never opens off the screen.
  WriteFile("[Main Window State]\nLeft=5000\nTop=10\nWidth=400\n");
  CProfile partial(path_);
  EXPECT_EQ(LoadPlacement(partial, 1024, 768), (CPlacementRect{50, 50, 631, 462}));
  EXPECT_EQ(partial.GetProfileInt("Main Window State", "Height", 0), 462);
  WriteFile("[Main Window State]\nLeft=300\nWidth=400\n");
  CProfile onScreen(path_);
  EXPECT_EQ(LoadPlacement(onScreen, 1024, 768), (CPlacementRect{300, 50, 400, 462}));

  // The edge: a window must overlap (0, 0, width - 10, height - 10); sums must not overflow.
  for (const auto& [stored, left] : {std::pair{"Left=1013\nTop=0\nWidth=100\nHeight=100\n", 1013},
                                     std::pair{"Left=1014\nTop=0\nWidth=100\nHeight=100\n", 50},
                                     std::pair{"Left=-700\nTop=-500\nWidth=700\nHeight=600\n", 50},
                                     std::pair{"Left=2147483000\nTop=0\nWidth=2147483000\nHeight=10\n", 50}}) {
    WriteFile(std::string("[Main Window State]\n") + stored);
    CProfile profile(path_);
    EXPECT_EQ(LoadPlacement(profile, 1024, 768).left, left) << stored;
  }
}

TEST_F(PlacementTest, SavedStyleChoosesTheShowCommand) {
  CProfile profile(path_);
  StorePlacement(profile, CPlacementRect{10, 20, 700, 500}, CStoredShow::Maximized);
  EXPECT_TRUE(profile.Flush());
  EXPECT_EQ(ReadFile(),
            "[Main Window State]\nLeft=10\nTop=20\nWidth=700\nHeight=500\nStyle=16777216\n");
  EXPECT_EQ(LoadShowCommand(profile), CShowCommand::Maximized);
  EXPECT_EQ(LoadPlacement(profile, 1024, 768), (CPlacementRect{10, 20, 700, 500}));
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

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/display_settings.h"

#include <gtest/gtest.h>

#include "testing/profile_file_test.h"
#include "ui/color_swatches.h"

namespace skrybon {
namespace {

const CSystemColors kSystem{Rgb(250, 250, 250), Rgb(10, 10, 10), Rgb(0, 90, 200), Rgb(255, 255, 254)};

class DisplaySettingsTest : public testing::CProfileFileTest {};

TEST_F(DisplaySettingsTest, EmptyProfileGivesDefaultsAndCloseWritesAllFourteenKeysInOrder) {
  CProfile profile(path_);
  const CDisplaySettings s = CDisplaySettings::Load(profile, kSystem);
  EXPECT_EQ(ReadFile(), "");  // reading writes nothing; the saved text below pins the defaults

  s.Store(profile);
  EXPECT_TRUE(profile.Flush());
  EXPECT_EQ(ReadFile(),
            "[Skrybon]\n"
            "Font height=-10\n"
            "Character set=238\n"
            "Font face name=System\n"
            "Font out precision=4\n"
            "Font clip precision=0\n"
            "Font quality=2\n"
            "Font pitch=34\n"
            "Wnd text color=657930\n"
            "Wnd color=16448250\n"
            "Number color=657930\n"
            "Highlight text color=16711679\n"
            "Highlight background color=13130240\n"
            "Found words color=200\n"
            "Highlight found words=1\n");
  EXPECT_EQ(CDisplaySettings::Load(CProfile(path_), CSystemColors{}), s);
}

TEST_F(DisplaySettingsTest, StoredValuesOneByteFieldsAndThe65535Rule) {
  WriteFile(
      "[Skrybon]\n"
      "Character set=494\n"         // 0x1EE: only the low byte counts
      "Font face name=\n"           // empty: the default face
      "Font quality=-1\n"
      "Font pitch=65535\n"          // counts as missing
      "Wnd color=65535\n"           // pure yellow reads as missing
      "Number color=255\n"
      "Highlight found words=0\n");
  const CDisplaySettings s = CDisplaySettings::Load(CProfile(path_), kSystem);
  EXPECT_EQ(s.font.charSet, 0xEE);
  EXPECT_EQ(s.font.faceName, "System");
  EXPECT_EQ(s.font.quality, 0xFF);
  EXPECT_EQ(s.font.pitchAndFamily, 34);
  EXPECT_EQ(s.colors.background, kSystem.window);
  EXPECT_EQ(s.colors.numbers, Rgb(255, 0, 0));
  EXPECT_FALSE(s.highlightFoundWords);
}

// Pure yellow is stored as 65535, which reads as missing: it is written one
// step of blue away so that it survives a restart; every other colour is
// written as it is.
TEST_F(DisplaySettingsTest, EveryColourSurvivesARestart) {
  const struct {
    ColorRef chosen, afterRestart;
  } cases[] = {{Rgb(255, 255, 0), Rgb(255, 255, 1)},  // pure yellow
               {Rgb(255, 255, 1), Rgb(255, 255, 1)}, {Rgb(255, 254, 0), Rgb(255, 254, 0)},
               {Rgb(0, 0, 0), Rgb(0, 0, 0)},         {Rgb(255, 255, 255), Rgb(255, 255, 255)}};
  for (const auto& c : cases) {
    CDisplaySettings s = CDisplaySettings::Defaults(kSystem);
    s.colors = {c.chosen, c.chosen, c.chosen, c.chosen, c.chosen, c.chosen};
    {
      CProfile profile(path_);
      s.Store(profile);
      EXPECT_TRUE(profile.Flush());
    }
    const CDisplayColors read = CDisplaySettings::Load(CProfile(path_), kSystem).colors;
    EXPECT_EQ(read, (CDisplayColors{c.afterRestart, c.afterRestart, c.afterRestart, c.afterRestart,
                                    c.afterRestart, c.afterRestart}))
        << c.chosen;
  }
}

TEST_F(DisplaySettingsTest, AbsurdFontHeightsAreHeldToTheLargestSaneOne) {
  const std::pair<const char*, int> cases[] = {
      {"-2147483648", -CLogFont::kMaxHeight}, {"99999999", CLogFont::kMaxHeight}, {"-1000", -1000}};
  for (const auto& [stored, height] : cases) {
    WriteFile(std::string("[Skrybon]\nFont height=") + stored + "\n");
    EXPECT_EQ(CDisplaySettings::Load(CProfile(path_), kSystem).font.height, height) << stored;
  }
}

TEST_F(DisplaySettingsTest, UnstoredFontFieldsLastOneRunAndLongFaceNamesAreCut) {
  CProfile profile(path_);
  CDisplaySettings s = CDisplaySettings::Defaults(kSystem);
  s.font.weight = 700;
  s.font.italic = 1;
  SetFaceName(s.font, std::string(40, 'F'));
  EXPECT_EQ(s.font.faceName.size(), CLogFont::kMaxFaceName);
  s.Store(profile);
  EXPECT_TRUE(profile.Flush());
  const CDisplaySettings back = CDisplaySettings::Load(CProfile(path_), kSystem);
  EXPECT_EQ(back.font.weight, 0);
  EXPECT_EQ(back.font.italic, 0);
  EXPECT_EQ(back.font.faceName, std::string(31, 'F'));

  WriteFile("[Skrybon]\nFont face name=" + std::string(100, 'G') + "\n");
  EXPECT_EQ(CDisplaySettings::Load(CProfile(path_), kSystem).font.faceName, std::string(31, 'G'));
}

TEST(DisplayFontHeight, ChooserConversionRoundsLikeMulDiv) {
  EXPECT_EQ(ChooserHeightFromStored(-10, 96), -13);
  EXPECT_EQ(StoredHeightFromChooser(-13, 96), -10);
  EXPECT_EQ(StoredHeightFromChooser(-16, 96), -12);  // a 12-point choice
  EXPECT_EQ(ChooserHeightFromStored(-10, 120), -17);  // 16.67 rounds away from zero
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(3, -1, 2), -2);
  EXPECT_EQ(MulDiv(7, 1, 0), -1);
  EXPECT_EQ(MulDiv(1 << 30, 1 << 30, 1), -1);
  EXPECT_EQ(MulDiv(1 << 30, 1 << 30, 1 << 30), 1 << 30);  // 64-bit intermediate
}

TEST(FontZoom, StepsThroughTheChoosersSizesWithinItsLimits) {
  struct Case {
    int height, direction, zoomed;
  } cases[] = {
      {-10, +1, -11}, {-12, +1, -14}, {-14, -1, -12},  {-13, +1, -14}, {-13, -1, -12},
      {-72, +1, -72}, {-6, -1, -6},   {-100, -1, -72}, {0, +1, -14},   {16, -1, 14},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ZoomedFontHeight(c.height, c.direction), c.zoomed) << c.height << ' ' << c.direction;
}

TEST(ColorSwatches, EachSwatchShowsItsColourInItsReadingPairing) {
  CDisplayColors c{Rgb(1, 1, 1), Rgb(2, 2, 2), Rgb(3, 3, 3), Rgb(4, 4, 4), Rgb(5, 5, 5), Rgb(6, 6, 6)};
  EXPECT_EQ(SwatchLook(c, CSwatch::Numbers).fill, c.background);
  EXPECT_EQ(SwatchLook(c, CSwatch::Numbers).caption, c.numbers);
  EXPECT_EQ(SwatchLook(c, CSwatch::Text).caption, c.text);
  EXPECT_EQ(SwatchLook(c, CSwatch::Background).caption, c.text);
  EXPECT_EQ(SwatchLook(c, CSwatch::HighlightText).fill, c.highlightBackground);
  EXPECT_EQ(SwatchLook(c, CSwatch::HighlightBackground).caption, c.highlightText);
  EXPECT_EQ(SwatchLook(c, CSwatch::FoundWords).fill, c.background);
  EXPECT_EQ(SwatchLook(c, CSwatch::FoundWords).caption, c.foundWords);

  // A new background shows on the three upper swatches at once.
  SetChosenColor(c, CSwatch::Background, Rgb(9, 9, 9));
  for (const CSwatch s : {CSwatch::Numbers, CSwatch::Text, CSwatch::Background})
    EXPECT_EQ(SwatchLook(c, s).fill, Rgb(9, 9, 9));
  EXPECT_EQ(SwatchLook(c, CSwatch::HighlightText).fill, Rgb(5, 5, 5));

  // Each swatch chooses its own colour, which its click presets.
  for (const CSwatch s : {CSwatch::Numbers, CSwatch::Text, CSwatch::Background,
                          CSwatch::HighlightText, CSwatch::HighlightBackground, CSwatch::FoundWords}) {
    CDisplayColors copy = c;
    SetChosenColor(copy, s, Rgb(200, 100, 50));
    EXPECT_EQ(ChosenColor(copy, s), Rgb(200, 100, 50));
    SetChosenColor(copy, s, ChosenColor(c, s));  // only that colour was changed
    EXPECT_EQ(copy, c);
  }
}

}  // namespace
}  // namespace skrybon

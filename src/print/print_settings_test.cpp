// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_settings.h"

#include <gtest/gtest.h>

#include "data/codepage.h"
#include "testing/profile_file_test.h"

namespace skrybon {
namespace {

using CPrintSettingsTest = testing::CProfileFileTest;

// A fresh profile gives the defaults, which the saved file pins.
TEST_F(CPrintSettingsTest, SaveWritesAllKeysInOrderAndReadsBack) {
  CProfile profile(path_);
  CPrintSettings s = LoadPrintSettings(profile);
  EXPECT_EQ(s, CPrintSettings{});
  s.marginLeft = 0;
  s.marginBottom = 300;
  s.headerText = Cp("Zażółć\\n\nlinia");
  s.footerText = "a\r\nb\\";
  s.bodyFont = {"DejaVu Serif", 0};
  ASSERT_TRUE(SavePrintSettings(profile, s));
  EXPECT_EQ(ReadFile(),
            "[Print Settings]\nMargin-Left=0\nMargin-Top=10\nMargin-Right=10\nMargin-Bottom=300\n"
            "Header Font Name=Arial\nHeader Font Size=11\nHeader Text=" +
                Cp("Zażółć") +
                "\\\\n\\nlinia\nPage Font Name=DejaVu Serif\nPage Font Size=0\n"
                "Page Number Format=Strona %d z %d\nFooter Font Name=Times New Roman\nFooter Font Size=8\n"
                "Footer Text=a\\nb\\\\\n");
  CPrintSettings back = LoadPrintSettings(CProfile(path_));
  s.footerText = "a\nb\\";
  EXPECT_EQ(back, s);
}

TEST_F(CPrintSettingsTest, DamagedValuesAreHeldToSaneRanges) {
  WriteFile(
      "[Print Settings]\nMargin-Left=-40\nMargin-Top=65535\nMargin-Right=99999\nMargin-Bottom=abc\n"
      "Header Font Size=65535\nPage Font Size=65534\nFooter Font Size=-3\nHeader Text=\n"
      "Footer Text=C:\\temp\\x\n");
  const CPrintSettings s = LoadPrintSettings(CProfile(path_));
  EXPECT_EQ(s.marginLeft, 0);
  EXPECT_EQ(s.marginTop, 10);
  EXPECT_EQ(s.marginRight, 300);
  EXPECT_EQ(s.marginBottom, 0);
  EXPECT_EQ(s.headerFont.size, 11);
  EXPECT_EQ(s.bodyFont.size, kMaxFontSize);
  EXPECT_EQ(s.footerFont.size, 0);
  EXPECT_EQ(PrintFontPoints(s.footerFont, CPrintSettings{}.footerFont), 8);
  EXPECT_EQ(s.headerText, "");
  EXPECT_EQ(s.footerText, "C:\\temp\\x");  // a lone backslash stays
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/codepage.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace skrybon {
namespace {

TEST(Codepage, PolishLettersRoundTrip) {
  const std::string utf8 = "Zażółć gęślą jaźń ĄĆĘŁŃÓŚŹŻ „cytat” – …";
  std::size_t bad = 99;
  const std::string cp = Utf8ToCp1250(utf8, &bad);
  EXPECT_EQ(bad, 0u);
  EXPECT_EQ(cp.size(), 39u);
  EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1250("ż")[0]), 0xBF);
  EXPECT_EQ(Cp1250ToUtf8(cp), utf8);
}

TEST(Codepage, UnmappableAndMalformedInputBecomeQuestionMarks) {
  std::size_t bad = 0;
  EXPECT_EQ(Utf8ToCp1250("a\xE2\x82", &bad), "a??");  // truncated sequence
  EXPECT_EQ(bad, 2u);
  EXPECT_EQ(Utf8ToCp1250("日本", &bad), "??");
  EXPECT_EQ(bad, 2u);
  EXPECT_EQ(Cp1250ToUtf8("\x81"), "\xEF\xBF\xBD");
}

TEST(Codepage, FirstCharOutsideCp1250FindsWhatConversionWouldLose) {
  struct Case {
    std::string_view utf8;
    std::optional<char32_t> expected;
  };
  const Case cases[] = {
      {"", std::nullopt},
      {"Zażółć gęślą jaźń „cytat” – … €", std::nullopt},
      {"α", U'α'},
      {"abc日本", U'日'},
      {"żółw 😀 α", U'😀'},         // four-byte sequence
      {"a\xE2\x82", U'\uFFFD'},     // cut-off sequence
      {"\x80" "abc", U'\uFFFD'},        // stray continuation byte
      {"\xC1\x81", U'\uFFFD'},        // overlong 'A'
      {"\xED\xA0\x80", U'\uFFFD'},    // surrogate
      {"\xF4\x90\x80\x80", U'\uFFFD'},  // above U+10FFFF
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FirstCharOutsideCp1250(c.utf8), c.expected) << c.utf8;
    // The check agrees with the conversion: text passes exactly when nothing
    // would become '?'.
    std::size_t bad = 0;
    Utf8ToCp1250(c.utf8, &bad);
    EXPECT_EQ(bad == 0, !c.expected.has_value()) << c.utf8;
  }
}

TEST(Codepage, DescribeCodePointShowsCodeAndCharacter) {
  EXPECT_EQ(DescribeCodePoint(U'α'), "U+03B1 'α'");
  EXPECT_EQ(DescribeCodePoint(U'😀'), "U+1F600 '😀'");
  EXPECT_EQ(DescribeCodePoint(0xFFFD), "U+FFFD (malformed UTF-8)");
}

TEST(Codepage, LowerCaseFoldsPolishAndOtherCapitalsOnly) {
  EXPECT_EQ(Cp1250ToUtf8(Cp1250Lower(Cp("ĄĆĘŁŃÓŚŹŻ ABC xyz 123"))), "ąćęłńóśźż abc xyz 123");
  EXPECT_EQ(Cp1250ToUtf8(Cp1250Lower(Cp("ŠŤŽĽŔÁÂĂÄĹÇČÉËĚÍÎĎĐŇÔŐÖŘŮÚŰÜÝŢ"))),
            "šťžľŕáâăäĺçčéëěíîďđňôőöřůúűüýţ");
  // Lower-case letters, ß, × and punctuation stay as they are.
  const std::string unchanged = Cp("ąłß×÷„”§");
  EXPECT_EQ(Cp1250Lower(unchanged), unchanged);
}

}  // namespace
}  // namespace skrybon

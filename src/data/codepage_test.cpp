#include "data/codepage.h"

#include <gtest/gtest.h>

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

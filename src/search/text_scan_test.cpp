#include "search/text_scan.h"

#include <gtest/gtest.h>

#include <random>

#include "data/codepage.h"

namespace skrybon {
namespace {

TEST(FoldCp1250, AgreesWithTheCodePageAtEveryOffset) {
  std::string all;
  for (int round = 0; round < 3; ++round) {
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  }
  // Every length and alignment, so that both the 16-byte steps and the tail are used.
  for (std::size_t start = 0; start < 20; ++start) {
    std::string text = all.substr(start);
    FoldCp1250InPlace(text.data(), text.size());
    ASSERT_EQ(text, Cp1250Lower(all.substr(start))) << start;
  }
  std::string polish = Cp("ZAŻÓŁĆ GĘŚLĄ JAŹŃ, Łódź i ŚWIĘTY BÓG");
  FoldCp1250InPlace(polish.data(), polish.size());
  EXPECT_EQ(Cp1250ToUtf8(polish), "zażółć gęślą jaźń, łódź i święty bóg");
}

TEST(SubstringFinder, AgreesWithPlainFind) {
  std::mt19937 random(7);
  const std::string alphabet = "aab\n" + Cp("ą");
  for (int trial = 0; trial < 400; ++trial) {
    std::string text;
    const std::size_t length = random() % 80;
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    std::string needle;
    const std::size_t needleLength = random() % 5;
    for (std::size_t i = 0; i < needleLength; ++i) needle += alphabet[random() % alphabet.size()];
    const CSubstringFinder finder(needle);
    for (std::size_t from = 0; from <= text.size() + 1; from += 1 + random() % 7) {
      ASSERT_EQ(finder.Find(text, from), std::string_view(text).find(needle, from))
          << "text '" << text << "' needle '" << needle << "' from " << from;
    }
  }
}

TEST(SubstringFinder, NeverReadsPastTheText) {
  // The text is a view into the middle of a buffer whose surroundings would match.
  const std::string buffer = "abcabcabcabcabcabcabcabcabcabcabcabcXYZabc";
  const std::string_view text = std::string_view(buffer).substr(0, 37);
  EXPECT_EQ(CSubstringFinder("XY").Find(text), std::string_view::npos);
  EXPECT_EQ(CSubstringFinder("cX").Find(text), 35u);
  EXPECT_EQ(CSubstringFinder("abcXY").Find(text), std::string_view::npos);
  EXPECT_EQ(CSubstringFinder("abcX").Find(text), 33u);
}

}  // namespace
}  // namespace skrybon

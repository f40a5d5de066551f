// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/text_scan.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"

namespace skrybon {
namespace {

std::size_t Expected(std::string_view text, std::string_view needle, std::size_t from, bool foldCase) {
  if (!foldCase) return text.find(needle, from);
  return std::string_view(Cp1250Lower(text)).find(Cp1250Lower(needle), from);
}

// Random texts long enough for the 16- and 32-byte steps and their tails, over
// letters in both cases, line breaks and bytes of every kind; needles are
// random or cut from the text with their letter case changed.
TEST(SubstringFinder, AgreesWithFindOnTheTextAsIfLowerCased) {
  std::mt19937 random(7);
  const std::string alphabet = "aAbB\n" + Cp("ąĄłŁ");
  for (const bool foldCase : {false, true}) {
    for (int trial = 0; trial < 600; ++trial) {
      std::string text;
      const std::size_t length = random() % (trial % 10 == 0 ? 200 : 60);
      for (std::size_t i = 0; i < length; ++i) {
        text += random() % 8 == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
      }
      std::string needle;
      if (random() % 2 == 0 && !text.empty()) {
        needle = text.substr(random() % text.size(), random() % 6);
        for (char& c : needle) {
          if (random() % 2 == 0) c = Cp1250ToLower(c);
        }
      } else {
        for (std::size_t i = random() % 5; i > 0; --i) needle += alphabet[random() % alphabet.size()];
      }
      const CSubstringFinder finder(needle, foldCase);
      for (std::size_t from = 0; from <= text.size() + 1; from += 1 + random() % 7) {
        ASSERT_EQ(finder.Find(text, from), Expected(text, needle, from, foldCase))
            << "fold " << foldCase << " text '" << text << "' needle '" << needle << "' from " << from;
      }
    }
  }
}

// Every byte as the first and last of a needle, over a text holding every
// byte: each capital must be found by its small letter and the other way
// round, and no other byte may be.
TEST(SubstringFinder, EveryByteMatchesExactlyItsLetterCaseForms) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  for (const bool foldCase : {false, true}) {
    for (int b = 0; b < 256; ++b) {
      for (const std::string& needle : {std::string(1, static_cast<char>(b)), std::string{static_cast<char>(b), 'x', static_cast<char>(b)}}) {
        const std::string text = all + all + needle + all;
        const CSubstringFinder finder(needle, foldCase);
        for (std::size_t from = 0; from < text.size(); from += 97) {
          ASSERT_EQ(finder.Find(text, from), Expected(text, needle, from, foldCase)) << "fold " << foldCase << " byte " << b;
        }
      }
    }
  }
}

TEST(SubstringFinder, NeverReadsPastTheText) {
  // The text is a view into the middle of a buffer whose surroundings would match.
  const std::string buffer = "abcabcabcabcabcabcabcabcabcabcabcabcXYZabc";
  const std::string_view text = std::string_view(buffer).substr(0, 37);
  for (const bool foldCase : {false, true}) {
    EXPECT_EQ(CSubstringFinder("XY", foldCase).Find(text), std::string_view::npos);
    EXPECT_EQ(CSubstringFinder("cX", foldCase).Find(text), 35u);
    EXPECT_EQ(CSubstringFinder("abcXY", foldCase).Find(text), std::string_view::npos);
    EXPECT_EQ(CSubstringFinder("abcX", foldCase).Find(text), 33u);
  }
}

// The strings as ForEachString gives them: offsets into bytes for plain
// ones; nullopt when it throws or meets a UTF-16 string.
std::optional<std::vector<std::pair<std::uint32_t, std::uint32_t>>> Reference(const std::vector<std::uint8_t>& bytes) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;
  bool plain = true;
  try {
    ForEachString(bytes, [&](std::size_t, std::string_view s) {
      const auto* at = reinterpret_cast<const std::uint8_t*>(s.data());
      if (at < bytes.data() || at > bytes.data() + bytes.size()) plain = false;
      const auto start = static_cast<std::uint32_t>(at - bytes.data());
      ranges.emplace_back(start, start + static_cast<std::uint32_t>(s.size()));
    });
  } catch (const DataFormatError&) {
    return std::nullopt;
  }
  if (!plain) return std::nullopt;
  return ranges;
}

// Book files with every length form, UTF-16 strings, cut short and with
// bytes changed at random: the fast split must give ForEachString's strings
// exactly, and give up wherever ForEachString fails or converts.
TEST(FindPlainStrings, AgreesWithForEachString) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 3000; ++trial) {
    std::vector<std::string> strings(random() % 6);
    for (std::string& s : strings) {
      const std::size_t lengths[] = {0, 1, 30, 254, 255, 300, 0xFFFE, 0x10010};
      s.assign(lengths[random() % (trial % 50 == 0 ? 8 : 6)], 'v');
    }
    std::vector<std::uint8_t> bytes = WriteStringArray(strings);
    if (trial % 7 == 0) {
      // One more string, "x" as UTF-16LE.
      bytes[0] = static_cast<std::uint8_t>(bytes[0] + 1);
      bytes.insert(bytes.end(), {0xFF, 0xFE, 0xFF, 0x01, 'x', 0x00});
    }
    if (trial % 3 == 1) bytes.resize(random() % (bytes.size() + 1));
    if (trial % 3 == 2 && !bytes.empty()) {
      for (int k = 0; k < 2; ++k) bytes[random() % std::min<std::size_t>(bytes.size(), 12)] = static_cast<std::uint8_t>(random());
    }
    std::vector<std::uint32_t> starts, ends;
    const bool plain = FindPlainStrings(bytes, starts, ends);
    const auto expected = Reference(bytes);
    ASSERT_EQ(plain, expected.has_value()) << "trial " << trial;
    if (!plain) continue;
    ASSERT_EQ(starts.size(), expected->size());
    ASSERT_EQ(ends.size(), expected->size());
    for (std::size_t k = 0; k < starts.size(); ++k) {
      ASSERT_EQ(std::make_pair(starts[k], ends[k]), (*expected)[k]) << "trial " << trial << " string " << k;
    }
  }
  // The count in its long form, a count beyond what a book may hold, and a
  // UTF-16 string followed by enough bytes to pass for a plain one.
  std::vector<std::uint32_t> starts, ends;
  std::vector<std::uint8_t> utf16 = WriteStringArray({"a", std::string(0x10000, '\0')});
  utf16[0] = 3;
  utf16.insert(utf16.begin() + 2, {0xFF, 0xFE, 0xFF, 0x01, 'x', 0x00});
  EXPECT_FALSE(FindPlainStrings(utf16, starts, ends));
  EXPECT_TRUE(FindPlainStrings(std::vector<std::uint8_t>{0xFF, 0xFF, 1, 0, 0, 0, 1, 'a'}, starts, ends));
  EXPECT_EQ(ends, (std::vector<std::uint32_t>{8}));
  std::vector<std::uint8_t> tooMany = {0xFF, 0xFF, 0x01, 0x00, 0x01, 0x00};
  tooMany.resize(tooMany.size() + 0x10001, 0);
  EXPECT_FALSE(FindPlainStrings(tooMany, starts, ends));
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/book_mapping.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace skrybon {
namespace {

using T = TranslationId;

// The correspondence written out book by book, 66-book canon → 73-book canon.
std::map<int, int> ExpectedShortToLong() {
  std::map<int, int> m;
  for (int b = 0; b <= 15; ++b) m[b] = b;
  m[16] = 18; m[17] = 21; m[18] = 22; m[19] = 23; m[20] = 24;
  m[21] = 25; m[22] = 28; m[23] = 29; m[24] = 30; m[25] = 32;
  for (int b = 26; b <= 65; ++b) m[b] = b + 7;
  return m;
}

TEST(BookMapping, BothWaysBetweenTheShortCanonAndBtForEveryBook) {
  const auto shortToLong = ExpectedShortToLong();
  std::map<int, int> longToShort;
  for (const auto& [from, to] : shortToLong) longToShort[to] = from;
  const std::set<int> onlyInBt = {16, 17, 19, 20, 26, 27, 31};
  for (T other : {T::BG, T::BW}) {
    for (int b = 0; b < 66; ++b) EXPECT_EQ(MapBook(other, T::BT, b), shortToLong.at(b)) << b;
    for (int b = 0; b < 73; ++b) {
      if (onlyInBt.contains(b)) {
        EXPECT_EQ(MapBook(T::BT, other, b), std::nullopt) << b;
        EXPECT_FALSE(CanCompareBook(T::BT, other, b)) << b;
      } else {
        EXPECT_EQ(MapBook(T::BT, other, b), longToShort.at(b)) << b;
      }
    }
  }
}

TEST(BookMapping, SameCanonKeepsTheNumberAndForeignBooksHaveNone) {
  for (int b = 0; b < 66; ++b) {
    EXPECT_EQ(MapBook(T::BG, T::BW, b), b);
    EXPECT_EQ(MapBook(T::BW, T::BG, b), b);
  }
  for (int b = 0; b < 73; ++b) EXPECT_EQ(MapBook(T::BT, T::BT, b), b);
  EXPECT_TRUE(CanCompareBook(T::BT, T::BT, 27));  // Syracha with BT itself
  EXPECT_EQ(MapBook(T::BG, T::BT, 66), std::nullopt);
  EXPECT_EQ(MapBook(T::BT, T::BT, 73), std::nullopt);
  EXPECT_EQ(MapBook(T::BG, T::BW, -1), std::nullopt);
}

}  // namespace
}  // namespace skrybon

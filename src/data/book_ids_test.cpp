// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/book_ids.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

TEST(BookIds, The66And73BookListsCorrespond) {
  int withCounterpart = 0;
  for (int bt = 0; bt < 73; ++bt) {
    const int book = ProtestantBookFromBt(bt);
    if (book < 0) continue;
    ++withCounterpart;
    EXPECT_EQ(BtBookFromProtestant(book), bt);
  }
  EXPECT_EQ(withCounterpart, 66);
  for (const int bt : {16, 17, 19, 20, 26, 27, 31}) EXPECT_EQ(ProtestantBookFromBt(bt), -1) << bt;
  EXPECT_EQ(BtBookFromProtestant(17), 21);  // Job
  EXPECT_EQ(BtBookFromProtestant(66), -1);
  EXPECT_EQ(ProtestantBookFromBt(-1), -1);
}

TEST(BookIds, OsisNames) {
  EXPECT_EQ(BookFromOsisId(TranslationId::BG, "Gen"), 0);
  EXPECT_EQ(BookFromOsisId(TranslationId::BT, "Esth"), 18);
  EXPECT_EQ(BookFromOsisId(TranslationId::BW, "Esth"), 16);
  EXPECT_EQ(BookFromOsisId(TranslationId::BT, "sir"), 27);
  EXPECT_EQ(BookFromOsisId(TranslationId::BG, "Sir"), -1);
  EXPECT_EQ(BookFromOsisId(TranslationId::BG, "Pss"), 18);
  EXPECT_EQ(BookFromOsisId(TranslationId::BG, "Rev"), 65);
  EXPECT_EQ(BookFromOsisId(TranslationId::BT, "Rev"), 72);
  EXPECT_EQ(BookFromOsisId(TranslationId::BG, "Genesis"), -1);
  for (const TranslationId id : kAllTranslations) {
    for (int book = 0; book < BookCount(id); ++book) {
      EXPECT_EQ(BookFromOsisId(id, OsisIdOfBook(id, book)), book);
    }
  }
}

TEST(BookIds, ZefaniaNumbers) {
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BG, 1), 0);
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BG, 66), 65);
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BT, 66), 72);
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BT, 69), 16);  // Tobit
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BW, 69), -1);
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BT, 0), -1);
  EXPECT_EQ(BookFromZefaniaNumber(TranslationId::BT, 74), -1);
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/navigation.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace skrybon {
namespace {

// Book 0: chapters of 5, 3 and 7 verses; book 1: one chapter of 2 verses;
// every other book: chapters of 4 and 6 verses.
VerseIndex SmallIndex(int books) {
  VerseIndex index(static_cast<std::size_t>(books));
  auto chapter = [](int verses) { return std::vector<std::uint16_t>(static_cast<std::size_t>(verses), 0); };
  index[0] = {chapter(5), chapter(3), chapter(7)};
  index[1] = {chapter(2)};
  for (int b = 2; b < books; ++b) index[static_cast<std::size_t>(b)] = {chapter(4), chapter(6)};
  return index;
}

CTranslationIndex MakeIndex(TranslationId id) {
  CTranslationIndex index(id);
  index.SetIndex(SmallIndex(BookCount(id)));
  std::string aliases;
  for (int b = 0; b < BookCount(id); ++b) aliases += std::string("x,") + (b == 1 ? "Wj, Exo" : b == 2 ? "Lew" : "") + "\n";
  index.SetAliasesFromText(aliases);
  return index;
}

// Chapter steps stay in the book; book steps take chapter and verse into the
// new book's range and stop at each translation's last book; a window whose
// first chapter could not be loaded stands at chapter -1, verse -1.
TEST(StepPlaceTest, StepsKeepThePlaceInRangeAndStopAtTheEnds) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  const CTranslationIndex bw = MakeIndex(TranslationId::BW);
  const CTranslationIndex bt = MakeIndex(TranslationId::BT);
  const CTranslationIndex none(TranslationId::BG);  // no index loaded: every step does nothing
  constexpr auto NextChapter = StepCommand::NextChapter, PrevChapter = StepCommand::PrevChapter,
                 NextBook = StepCommand::NextBook, PrevBook = StepCommand::PrevBook;
  struct Case {
    const CTranslationIndex& index;
    StepCommand step;
    VerseRef from;
    std::optional<VerseRef> expected;
  };
  const Case cases[] = {
      {bg, NextChapter, {0, 0, 4}, VerseRef{0, 1, 2}},  // chapter 2 has 3 verses
      {bg, NextChapter, {0, 2, 6}, std::nullopt},  // last chapter: no next book
      {bg, NextChapter, {1, 0, 0}, std::nullopt},
      {bg, PrevChapter, {0, 2, 6}, VerseRef{0, 1, 2}},
      {bg, PrevChapter, {0, 0, 3}, std::nullopt},  // first chapter
      {bg, PrevChapter, {2, 0, 0}, std::nullopt},  // not into the book before
      {bg, NextBook, {0, 2, 6}, VerseRef{1, 0, 1}},  // into one chapter of 2 verses
      {bg, PrevBook, {2, 1, 5}, VerseRef{1, 0, 1}},
      {bg, NextBook, {1, 0, 0}, VerseRef{2, 0, 0}},
      {bg, PrevBook, {0, 1, 0}, std::nullopt},
      {bg, NextBook, {65, 0, 0}, std::nullopt},
      {bw, NextBook, {65, 1, 5}, std::nullopt},
      {bt, NextBook, {65, 1, 5}, VerseRef{66, 1, 5}},
      {bt, NextBook, {71, 0, 2}, VerseRef{72, 0, 2}},
      {bt, NextBook, {72, 0, 2}, std::nullopt},
      {none, NextBook, {0, 0, 0}, std::nullopt},
      {bg, NextChapter, {0, -1, -1}, VerseRef{0, 0, 0}},
      {bg, NextBook, {0, -1, -1}, VerseRef{1, 0, 0}},
      {bg, PrevChapter, {0, -1, -1}, std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StepPlace(c.index, c.step, c.from), c.expected)
        << static_cast<int>(c.step) << " from " << c.from.book << ":" << c.from.chapter << ":" << c.from.verse;
  }
}

TEST(ResolveTypedTextTest, TakesTypedChapterAndVerseIntoRangeOrNamesNoPlace) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  EXPECT_EQ(ResolveTypedText(&bg, "lew 2:3"), (TypedPlace{2, 1, 2}));
  EXPECT_EQ(ResolveTypedText(&bg, "LEW 9:99"), (TypedPlace{2, 1, 5}));  // last chapter, its last verse
  EXPECT_EQ(ResolveTypedText(&bg, "Lew 1:99"), (TypedPlace{2, 0, 3}));
  EXPECT_EQ(ResolveTypedText(&bg, "lew 2"), (TypedPlace{2, 1, -1}));
  EXPECT_EQ(ResolveTypedText(&bg, "exo"), (TypedPlace{1, -1, -1}));
  EXPECT_EQ(ResolveTypedText(&bg, "  wj 7:1 "), (TypedPlace{1, 0, 0}));
  EXPECT_EQ(ResolveTypedText(&bg, "lew 0"), (TypedPlace{2, -1, -1}));  // chapter 0 means none typed
  // Unknown, empty or unlisted texts name no place.
  EXPECT_EQ(ResolveTypedText(&bg, ""), std::nullopt);
  EXPECT_EQ(ResolveTypedText(&bg, "   "), std::nullopt);
  EXPECT_EQ(ResolveTypedText(&bg, "nieznana 1:1"), std::nullopt);
  EXPECT_EQ(ResolveTypedText(&bg, "13:4"), std::nullopt);
  EXPECT_EQ(ResolveTypedText(nullptr, "lew 1:1"), std::nullopt);
  // Names the index does not reach name no book.
  CTranslationIndex shortIndex(TranslationId::BG);
  shortIndex.SetIndex(SmallIndex(3));
  shortIndex.SetAliasesFromText("x,a\nx,b\nx,c\nx,d\n");
  EXPECT_EQ(ResolveTypedText(&shortIndex, "d 1"), std::nullopt);
  EXPECT_EQ(ResolveTypedText(&shortIndex, "c 1"), (TypedPlace{2, 0, -1}));
}

TEST(ReadPlaceNumberTest, EmptyZeroOrTooBigMeansTheLast) {
  const std::pair<const char*, int> cases[] = {{"7", 7},  {" 12 ", 12}, {"50", 50}, {"51", 50},
                                               {"", 50},  {"0", 50},    {"000", 50}, {"99999999999999999999999", 50},
                                               {"1a", 50}, {"-3", 50}};
  for (const auto& [typed, expected] : cases) EXPECT_EQ(ReadPlaceNumber(typed, 50), expected) << typed;
  EXPECT_EQ(ReadPlaceNumber("3", 0), 1);
}

}  // namespace
}  // namespace skrybon

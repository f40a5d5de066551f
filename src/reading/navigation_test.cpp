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

std::optional<VerseRef> Step(const CTranslationIndex& index, StepCommand step, VerseRef from) {
  return StepPlace(index, step, from);
}

TEST(StepPlaceTest, ChapterStepsStayInTheBookAndKeepTheVerseInRange) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  EXPECT_EQ(Step(bg, StepCommand::NextChapter, {0, 0, 4}), (VerseRef{0, 1, 2}));  // chapter 2 has 3 verses
  EXPECT_EQ(Step(bg, StepCommand::NextChapter, {0, 1, 2}), (VerseRef{0, 2, 2}));
  EXPECT_EQ(Step(bg, StepCommand::NextChapter, {0, 2, 6}), std::nullopt);  // last chapter: no next book
  EXPECT_EQ(Step(bg, StepCommand::NextChapter, {1, 0, 0}), std::nullopt);
  EXPECT_EQ(Step(bg, StepCommand::PrevChapter, {0, 2, 6}), (VerseRef{0, 1, 2}));
  EXPECT_EQ(Step(bg, StepCommand::PrevChapter, {0, 1, 1}), (VerseRef{0, 0, 1}));
  EXPECT_EQ(Step(bg, StepCommand::PrevChapter, {0, 0, 3}), std::nullopt);  // first chapter
  EXPECT_EQ(Step(bg, StepCommand::PrevChapter, {2, 0, 0}), std::nullopt);  // not into the book before
}

TEST(StepPlaceTest, BookStepsClampChapterAndVerseIntoTheNewBook) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  // From chapter 3 verse 7 of book 0 into book 1, which has one chapter of 2 verses.
  EXPECT_EQ(Step(bg, StepCommand::NextBook, {0, 2, 6}), (VerseRef{1, 0, 1}));
  EXPECT_EQ(Step(bg, StepCommand::PrevBook, {2, 1, 5}), (VerseRef{1, 0, 1}));
  EXPECT_EQ(Step(bg, StepCommand::PrevBook, {1, 0, 1}), (VerseRef{0, 0, 1}));
  EXPECT_EQ(Step(bg, StepCommand::NextBook, {1, 0, 0}), (VerseRef{2, 0, 0}));
  EXPECT_EQ(Step(bg, StepCommand::PrevBook, {0, 1, 0}), std::nullopt);
}

TEST(StepPlaceTest, NextBookStopsAtEachTranslationsLastBook) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  const CTranslationIndex bw = MakeIndex(TranslationId::BW);
  const CTranslationIndex bt = MakeIndex(TranslationId::BT);
  EXPECT_EQ(Step(bg, StepCommand::NextBook, {64, 1, 3}), (VerseRef{65, 1, 3}));
  EXPECT_EQ(Step(bg, StepCommand::NextBook, {65, 0, 0}), std::nullopt);
  EXPECT_EQ(Step(bw, StepCommand::NextBook, {65, 1, 5}), std::nullopt);
  EXPECT_EQ(Step(bt, StepCommand::NextBook, {65, 1, 5}), (VerseRef{66, 1, 5}));
  EXPECT_EQ(Step(bt, StepCommand::NextBook, {71, 0, 2}), (VerseRef{72, 0, 2}));
  EXPECT_EQ(Step(bt, StepCommand::NextBook, {72, 0, 2}), std::nullopt);
  EXPECT_EQ(LastBook(bt), 72);
  // No index loaded: every step does nothing.
  EXPECT_EQ(Step(CTranslationIndex(TranslationId::BG), StepCommand::NextBook, {0, 0, 0}), std::nullopt);
}

TEST(StepPlaceTest, AWindowWithoutAChapterYetStepsToValidPlaces) {
  // A window whose first chapter could not be loaded stands at chapter -1, verse -1.
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  EXPECT_EQ(Step(bg, StepCommand::NextChapter, {0, -1, -1}), (VerseRef{0, 0, 0}));
  EXPECT_EQ(Step(bg, StepCommand::NextBook, {0, -1, -1}), (VerseRef{1, 0, 0}));
  EXPECT_EQ(Step(bg, StepCommand::PrevChapter, {0, -1, -1}), std::nullopt);
}

TEST(ResolveTypedTextTest, TakesTypedChapterAndVerseIntoRange) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
  EXPECT_EQ(ResolveTypedText(&bg, "lew 2:3"), (TypedPlace{2, 1, 2}));
  EXPECT_EQ(ResolveTypedText(&bg, "LEW 9:99"), (TypedPlace{2, 1, 5}));  // last chapter, its last verse
  EXPECT_EQ(ResolveTypedText(&bg, "Lew 1:99"), (TypedPlace{2, 0, 3}));
  EXPECT_EQ(ResolveTypedText(&bg, "lew 2"), (TypedPlace{2, 1, -1}));
  EXPECT_EQ(ResolveTypedText(&bg, "exo"), (TypedPlace{1, -1, -1}));
  EXPECT_EQ(ResolveTypedText(&bg, "  wj 7:1 "), (TypedPlace{1, 0, 0}));
  EXPECT_EQ(ResolveTypedText(&bg, "lew 0"), (TypedPlace{2, -1, -1}));  // chapter 0 means none typed
}

TEST(ResolveTypedTextTest, UnknownEmptyOrUnlistedTextsNameNoPlace) {
  const CTranslationIndex bg = MakeIndex(TranslationId::BG);
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
  EXPECT_EQ(ReadPlaceNumber("7", 50), 7);
  EXPECT_EQ(ReadPlaceNumber(" 12 ", 50), 12);
  EXPECT_EQ(ReadPlaceNumber("50", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("51", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("0", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("000", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("99999999999999999999999", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("1a", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("-3", 50), 50);
  EXPECT_EQ(ReadPlaceNumber("3", 0), 1);
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/default_aliases.h"

#include <gtest/gtest.h>

#include <tuple>

#include "data/book_ids.h"
#include "data/codepage.h"
#include "data/verse_index.h"

namespace skrybon {
namespace {

int Resolve(const CTranslationIndex& index, const std::string& cp1250, int* chapter = nullptr, int* verse = nullptr) {
  std::string text = cp1250;
  int c = -9, v = -9;
  const int book = index.ParseReference(text, c, v);
  if (chapter) *chapter = c;
  if (verse) *verse = v;
  return book;
}

class DefaultAliases : public ::testing::TestWithParam<TranslationId> {
 protected:
  DefaultAliases() : index(GetParam()) { index.SetAliasesFromText(DefaultAliasFileText(GetParam())); }
  CTranslationIndex index;
};

TEST_P(DefaultAliases, OneLinePerBookAndPlainAliasLines) {
  const TranslationId id = GetParam();
  ASSERT_EQ(index.Aliases().size(), static_cast<std::size_t>(BookCount(id)));
  const std::string text = DefaultAliasFileText(id);
  EXPECT_TRUE(text.starts_with(";"));
  EXPECT_TRUE(text.ends_with("\r\n"));
  EXPECT_EQ(Cp1250ToUtf8(Utf8ToCp1250(Cp1250ToUtf8(text))), Cp1250ToUtf8(text));  // all Windows-1250
}

TEST_P(DefaultAliases, EveryAbbreviationAndFullNameFindsItsBook) {
  const TranslationId id = GetParam();
  for (int book = 0; book < BookCount(id); ++book) {
    const std::string abbreviation = BookAbbreviation(id, book);
    int chapter = 0;
    EXPECT_EQ(Resolve(index, abbreviation + " 3:4", &chapter), book) << Cp1250ToUtf8(abbreviation);
    EXPECT_EQ(chapter, 2);
    // Without the blank after the number, in capitals, and by full name without blanks.
    std::string joined;
    for (const char c : abbreviation) {
      if (c != ' ') joined += c;
    }
    EXPECT_EQ(Resolve(index, joined), book) << Cp1250ToUtf8(joined);
    std::string fullName;
    for (const char c : BookFullName(id, book)) {
      if (c != ' ') fullName += c;
    }
    EXPECT_EQ(Resolve(index, fullName), book) << Cp1250ToUtf8(fullName);
  }
}

TEST_P(DefaultAliases, NoAliasIsTakenByAnotherBook) {
  const TranslationId id = GetParam();
  for (int book = 0; book < BookCount(id); ++book) {
    const std::string& list = index.Aliases()[static_cast<std::size_t>(book)];
    std::size_t start = 0;
    while (start <= list.size()) {
      const auto end = std::min(list.find_first_of(",.?\":!", start), list.size());
      const std::string alias = list.substr(start, end - start);
      start = end + 1;
      if (alias.empty()) continue;
      EXPECT_EQ(Resolve(index, alias + " 1"), book) << Cp1250ToUtf8(alias) << " of book " << book;
    }
  }
}

// The sigla of Biblia Tysiąclecia, in its book order, name their books in
// every translation that has them, with the verse after a colon or a comma.
TEST_P(DefaultAliases, SiglaOfBibliaTysiaclecia) {
  const char* const sigla[73] = {
      "Rdz", "Wj",  "Kpł", "Lb",  "Pwt",   "Joz",   "Sdz",   "Rt",   "1 Sm",  "2 Sm",  "1 Krl", "2 Krl", "1 Krn",
      "2 Krn", "Ezd", "Ne",  "Tb",  "Jdt",   "Est",   "1 Mch", "2 Mch", "Hi",   "Ps",    "Prz",   "Koh",   "Pnp",
      "Mdr", "Syr", "Iz",  "Jr",  "Lm",    "Ba",    "Ez",    "Dn",   "Oz",    "Jl",    "Am",    "Ab",    "Jon",
      "Mi",  "Na",  "Ha",  "So",  "Ag",    "Za",    "Ml",    "Mt",   "Mk",    "Łk",    "J",     "Dz",    "Rz",
      "1 Kor", "2 Kor", "Ga", "Ef", "Flp", "Kol",   "1 Tes", "2 Tes", "1 Tm", "2 Tm",  "Tt",    "Flm",   "Hbr",
      "Jk",  "1 P", "2 P", "1 J", "2 J",   "3 J",   "Jud",   "Ap"};
  const TranslationId id = GetParam();
  for (int book = 0; book < BookCount(id); ++book) {
    const int bt = id == TranslationId::BT ? book : BtBookFromProtestant(book);
    int chapter = 0, verse = 0;
    EXPECT_EQ(Resolve(index, Cp(sigla[bt]) + (book % 2 ? " 3,16" : " 3:16"), &chapter, &verse), book) << sigla[bt];
    EXPECT_EQ(std::pair(chapter, verse), std::pair(2, 15)) << sigla[bt];
  }
}

INSTANTIATE_TEST_SUITE_P(AllTranslations, DefaultAliases,
                         ::testing::Values(TranslationId::BG, TranslationId::BW, TranslationId::BT));

TEST(DefaultAliasesTyping, CommonFormsOfPolishReaders) {
  CTranslationIndex bg(TranslationId::BG), bt(TranslationId::BT);
  bg.SetAliasesFromText(DefaultAliasFileText(TranslationId::BG));
  bt.SetAliasesFromText(DefaultAliasFileText(TranslationId::BT));
  for (const char* typed : {"Rdz 1:1", "rodz 1", "Gen 1", "1 Moj 1:1", "1Moj. 1", "1 Mojż 2"}) {
    EXPECT_EQ(Resolve(bg, Cp(typed)), 0) << typed;
    EXPECT_EQ(Resolve(bt, Cp(typed)), 0) << typed;
  }
  const std::tuple<const CTranslationIndex&, const char*, int> cases[] = {
      {bg, "1 Kor 13:4", 45}, {bt, "1 Kor 13:4", 52}, {bt, "Syr 1", 27},
      {bg, "Syr 1", -1},  // BG has no Sirach
      {bt, "Ijob 1", 21},     {bt, "Jud 1", 71},  // not Judith
      {bt, "Ezech 1", 32},    {bg, "Flm 1", 56},       {bg, "Żyd 11:1", 57},
      {bg, "Ps 23", 18},      {bg, "Dz.Ap. 2:1", 43}, {bg, "Jan. 3:16", 42},   {bg, "Obj. 1", 65},
      {bg, "Job 1", 17},      {bt, "Job 1", 21},       {bt, "Jdt 1", 17},       {bg, "Jdt 1", -1}};
  for (const auto& [index, typed, book] : cases) EXPECT_EQ(Resolve(index, Cp(typed)), book) << typed;
}

}  // namespace
}  // namespace skrybon

#include "data/default_aliases.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "data/codepage.h"
#include "data/verse_index.h"

namespace skrybon {
namespace {

int Resolve(const CTranslationIndex& index, const std::string& cp1250, int* chapter = nullptr) {
  std::string text = cp1250;
  int c = -9, v = -9;
  const int book = index.ParseReference(text, c, v);
  if (chapter) *chapter = c;
  return book;
}

// The abbreviation as it stands in an alias list: lower-case, no dots or blanks.
std::string AbbreviationKey(TranslationId id, int book) {
  std::string key;
  for (const char c : Cp1250Lower(BookAbbreviation(id, book))) {
    if (c != '.' && c != ' ') key += c;
  }
  return key;
}

// A typed abbreviation that the matching rule gives to an earlier book: the
// earlier book's own abbreviation begins with it, so no alias file can
// separate them ("Fil" begins "Filip", BT's "Ez" begins "Ezd").
const std::set<std::tuple<TranslationId, int>> kShadowedAbbreviations = {
    {TranslationId::BG, 56}, {TranslationId::BW, 56}, {TranslationId::BT, 32}};

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
    const int found = Resolve(index, abbreviation + " 3:4", &chapter);
    if (kShadowedAbbreviations.contains({id, book})) {
      EXPECT_LT(found, book) << Cp1250ToUtf8(abbreviation);
    } else {
      EXPECT_EQ(found, book) << Cp1250ToUtf8(abbreviation);
      EXPECT_EQ(chapter, 2);
    }
    // Without the blank after the number, in capitals, and by full name without blanks.
    std::string joined;
    for (const char c : abbreviation) {
      if (c != ' ') joined += c;
    }
    if (!kShadowedAbbreviations.contains({id, book})) {
      EXPECT_EQ(Resolve(index, joined), book) << Cp1250ToUtf8(joined);
    }
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
      if (kShadowedAbbreviations.contains({id, book}) && alias == AbbreviationKey(id, book)) continue;
      EXPECT_EQ(Resolve(index, alias + " 1"), book) << Cp1250ToUtf8(alias) << " of book " << book;
    }
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
      {bg, "Ps 23", 18},      {bg, "Dz.Ap. 2:1", 43}};
  for (const auto& [index, typed, book] : cases) EXPECT_EQ(Resolve(index, Cp(typed)), book) << typed;
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "data/codepage.h"
#include "data/verse_index.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

// An alias file for BG: comment and comma-less lines are skipped; book 18
// (Psalms) and book 42 (John) get usual abbreviations, book 45 "1 Kor".
std::string BgAliasText() {
  std::string text = "; aliasy\r\nnagłówek bez przecinka\r\n";
  for (int book = 0; book < 66; ++book) {
    std::string line = "Księga " + std::to_string(book) + ",q" + std::to_string(book);
    if (book == 18) line += ", Ps, Psalm";
    if (book == 42) line += ",J, Jan";
    if (book == 45) line += ",1 Kor, 1Kor";
    text += line + (book % 2 ? "\r\n" : "\n");
  }
  return Cp(text);
}

struct Parsed {
  int book;
  int chapter;
  int verse;
  std::string key;
};

Parsed Parse(const CTranslationIndex& index, std::string_view utf8) {
  std::string text = Cp(utf8);
  int chapter = -9, verse = -9;
  const int book = index.ParseReference(text, chapter, verse);
  return {book, chapter, verse, Cp1250ToUtf8(text)};
}

class ParseReferenceTest : public ::testing::Test {
 protected:
  ParseReferenceTest() { bg.SetAliasesFromText(BgAliasText()); }
  CTranslationIndex bg{TranslationId::BG};
};

TEST_F(ParseReferenceTest, PlacesFullNamesWithoutInnerBlanksAndUnknownTexts) {
  struct Case {
    const char* typed;
    int book, chapter, verse;
    const char* key;  // the name part left in the text, if checked
  };
  const Case cases[] = {
      {"  1 Kor 13:4 ", 45, 12, 3, "1kor"}, {"1 kor. 13 4", 45, 12, 3, nullptr},
      {"1 Koryntów", 45, -1, -1, "1koryntów"}, {"1 Kor 13,4", 45, 12, 3, nullptr},
      {"1 Kor 13, 4", 45, 12, 3, nullptr}, {"ps 5,3-12", 18, 4, 2, nullptr}, {"ps 5,", 18, 4, -1, nullptr},
      {"ps 23", 18, 22, -1, nullptr}, {"PSALM 0:0", 18, -1, -1, nullptr},
      {"j 3:16", 42, 2, 15, nullptr}, {"j 3 16", 42, 2, 15, nullptr}, {"j 3::16", 42, 2, 15, nullptr},
      {"J\t3 : 16", 42, 2, 15, nullptr}, {"DziejeApostolskie 2:1", 43, 1, 0, nullptr},
      {"ps 99999999999999999999:-3", 18, 2147483646, -1, nullptr},
      // Unrecognised: the outputs are reset even when no name is found.
      {" 23 ", -1, -1, -1, "23"}, {"x 1", -1, -1, -1, nullptr}, {"...", -1, -1, -1, nullptr},
      {"", -1, -1, -1, nullptr},
  };
  for (const Case& c : cases) {
    const Parsed p = Parse(bg, c.typed);
    EXPECT_EQ(std::tie(p.book, p.chapter, p.verse), std::tie(c.book, c.chapter, c.verse)) << c.typed;
    if (c.key != nullptr) {
      EXPECT_EQ(p.key, c.key) << c.typed;
    }
  }
  EXPECT_EQ(Parse(bg, "2  KOR").key, "2kor");
  EXPECT_EQ(Parse(bg, "dzieje apostolskie 2:1").book, -1);
  EXPECT_EQ(Parse(bg, "Łukasza 1").book, 41);
  EXPECT_EQ(Parse(bg, "łukasz").book, -1);  // neither the full name nor the beginning of an alias
}

TEST(ParseReferenceAliases, BeginningsOfAliasesAndBookOrder) {
  CTranslationIndex bg(TranslationId::BG);
  bg.SetAliasesFromText("a,zzz\nx,abc\ny,q.abd\nz,pabe?abf\nw,ab:abd\n");
  EXPECT_EQ(Parse(bg, "a").book, 1);  // begins "abc" of book 1 before "abd" of book 2
  EXPECT_EQ(Parse(bg, "ab").book, 4);  // a whole name beats the beginnings of earlier books' names
  EXPECT_EQ(Parse(bg, "abd").book, 2);  // whole names too go in book order; after a separator
  EXPECT_EQ(Parse(bg, "abe").book, -1);  // inside a word only
  EXPECT_EQ(Parse(bg, "abf").book, 3);
  EXPECT_EQ(Parse(bg, "1 moj").book, -1);  // full name 1mojżeszowa is not a prefix match
  EXPECT_EQ(Parse(bg, "1 Mojżeszowa").book, 0);
  EXPECT_EQ(Parse(bg, "judasa").book, -1);  // book 64 has no alias line, so not even its full name
}

TEST(ParseReferenceAliases, ExtraAliasLinesNeverNameABookBeyondTheLast) {
  std::string text;
  for (int i = 0; i < 80; ++i) text += std::string("b,k") + char('a' + i / 26) + char('a' + i % 26) + "\n";
  CTranslationIndex bg(TranslationId::BG);
  bg.SetAliasesFromText(text);
  EXPECT_EQ(Parse(bg, "kcn").book, 65);
  EXPECT_EQ(Parse(bg, "kcs").book, -1);
  EXPECT_EQ(bg.Aliases().size(), 66u);
}

TEST(ParseReferenceAliases, EmptyTableLeavesTheTextUntouched) {
  CTranslationIndex bt(TranslationId::BT);
  const Parsed p = Parse(bt, "  Rdz 1:1 ");
  EXPECT_EQ(p.book, -1);
  EXPECT_EQ(p.chapter, -9);
  EXPECT_EQ(p.key, "  Rdz 1:1 ");
  const auto message = bt.LoadAliases("/nonexistent-folder");
  ASSERT_TRUE(message);
  EXPECT_EQ(Cp1250ToUtf8(*message).rfind("Nie mogę odnaleźć pliku: 'bt_alias.txt'!\n", 0), 0u);
  CTranslationIndex bw(TranslationId::BW);
  EXPECT_NE(bw.LoadAliases("/nonexistent-folder")->find("Program\tnie"), std::string::npos);
  const testing::CTempFolder folder;
  std::filesystem::create_directory(folder.String() + "/bw_alias.txt");
  EXPECT_EQ(Cp1250ToUtf8(*bw.LoadAliases(folder.String())).rfind(
                "Nie mogę odczytać pliku: 'bw_alias.txt' (jest to folder, a nie plik)!\nJest to plik z nazwami ksiąg "
                "w Biblii Warszawskiej.\nProgram\tnie",
                0),
            0u);
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_builder.h"

#include <gtest/gtest.h>


#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/data_check.h"
#include "data/demo_data.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

TEST(TranslationBuilder, TsvWithHolesKeepsTheIndexWholeAndReportsEverything) {
  CTranslationBuilder builder(TranslationId::BG);
  ImportTsv("\xEF\xBB\xBF"
            "0\t1\t1\tNa początku\r\n"
            "0\t1\t2\tdrugi\n"
            "0\t1\t4\tczwarty, po luce\n"  // verse 3 missing
            "0\t3\t1\tpo brakującym rozdziale\n"  // chapter 2 missing
            "0\t1\t2\tpowtórzony\n"
            "\n"
            "1\t1\t1\tzwykły ☃ i ♥ tekst\n"  // two characters Windows-1250 lacks
            "66\t1\t1\tksięga spoza listy\n"
            "1\t0\t1\trozdział zero\n"
            "1\t1\t999\tza duży numer\n"
            "1\t1\tx\tzły numer\n"
            "bez tabulatorów\n"
            "1\t1\t2\ttekst\tz tabulatorem",
            builder);
  const BuiltTranslation built = builder.Build();
  const BuildReport& report = builder.Report();
  EXPECT_EQ(report.verses, 6u);
  EXPECT_EQ(report.verseGaps.count, 1u);
  EXPECT_EQ(report.verseGaps.first, "1 Moj. 1:3");
  EXPECT_EQ(report.chapterGaps.count, 1u);
  EXPECT_EQ(report.duplicates.count, 1u);
  EXPECT_EQ(report.unmappable.count, 2u);
  EXPECT_EQ(report.unmappable.first, "2 Moj. 1:1: '☃' (U+2603)");
  EXPECT_EQ(report.rejected.count, 5u);
  EXPECT_EQ(report.missingBooks.size(), 64u);
  EXPECT_EQ(report.Describe(TranslationId::BG).size(), 6u);

  // Book 0: chapter 1 has verses 1-4 (3 empty), chapter 2 one empty verse, chapter 3 one verse.
  ASSERT_EQ(built.index.size(), 66u);
  EXPECT_EQ(built.index[0], (std::vector<std::vector<std::uint16_t>>{{0, 1, 2, 3}, {4}, {5}}));
  EXPECT_EQ(built.books[0], (std::vector<std::string>{Cp("Na początku"), "drugi", "", Cp("czwarty, po luce"),
                                                      "", Cp("po brakującym rozdziale")}));
  EXPECT_EQ(built.books[1][0], Cp("zwykły ? i ? tekst"));
  EXPECT_EQ(built.books[1][1], "tekst\tz tabulatorem");
  // A book absent from the input: one chapter of one empty verse.
  EXPECT_EQ(built.index[65], (std::vector<std::vector<std::uint16_t>>{{0}}));
  EXPECT_EQ(built.books[65], (std::vector<std::string>{""}));
}

TEST(TranslationBuilder, CharactersTheCodePageLacksAreSpelledOrReportedWithTheirPlace) {
  const struct {
    std::string_view utf8;
    std::string_view cp1250;  // as UTF-8 for reading
  } verses[] = {
      {"Æsop’s œuvre – ß é", "AEsop’s oeuvre – ß é"},  // ’ – ß é are in the code page
      {"a‛b‟c ﬁ −1", "a'b\"c fi -1"},
      {"☃ ż", "? ż"},
  };
  CTranslationBuilder builder(TranslationId::BG);
  for (int v = 0; v < 3; ++v) builder.AddVerse(0, 1, v + 1, verses[v].utf8);
  ImportTsv("0\t2\t1\tza\xBF\xF3\n", builder);  // Windows-1250 bytes in a UTF-8 file
  const BuiltTranslation built = builder.Build();
  for (int v = 0; v < 3; ++v) EXPECT_EQ(Cp1250ToUtf8(built.books[0][static_cast<std::size_t>(v)]), verses[v].cp1250);
  const BuildReport& report = builder.Report();
  EXPECT_EQ(report.transliterated.count, 6u);
  EXPECT_EQ(report.transliterated.first, "1 Moj. 1:1: 'Æ' (U+00C6) as 'AE'");
  EXPECT_EQ(report.unmappable.count, 1u);
  EXPECT_EQ(report.unmappable.first, "1 Moj. 1:3: '☃' (U+2603)");
  EXPECT_EQ(report.rejected.first, "line 1 is not valid UTF-8 (byte 9 of the line)");
}

TEST(DemoData, WholeTranslationsWithLongVersesAndPolishLetters) {
  for (const TranslationId id : kAllTranslations) {
    CTranslationBuilder builder(id);
    AddDemoVerses(builder);
    const BuiltTranslation built = builder.Build();
    const BuildReport& report = builder.Report();
    EXPECT_TRUE(report.Describe(id).empty());
    EXPECT_EQ(built.index.size(), static_cast<std::size_t>(BookCount(id)));
    std::size_t longVerses = 0;
    for (const auto& book : built.books) {
      for (const auto& text : book) longVerses += text.size() > 254;
    }
    EXPECT_GT(longVerses, 100u);
    EXPECT_NE(built.books[0][1].find_first_of(Cp("ąćęłńóśźżŻŁ")), std::string::npos);
  }
  EXPECT_NE(DemoVerseText(1), DemoVerseText(2));
}

}  // namespace
}  // namespace skrybon

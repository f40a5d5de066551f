#include "data/translation_builder.h"

#include <gtest/gtest.h>

#include <filesystem>

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

class WrittenFolder : public ::testing::Test {
 protected:
  testing::CTempFolder temp;
  std::string folder = temp.String() + "/out";  // made by the writer
};

TEST_F(WrittenFolder, WrittenFilesReadBackAsTheProgramReadsThem) {
  CTranslationBuilder builder(TranslationId::BT);
  const std::string longVerse(300, 'a');  // needs the longer length form
  builder.AddVerse(22, 119, 1, "Psalm");
  builder.AddVerse(22, 119, 2, longVerse);
  builder.AddVerse(72, 1, 1, "Ap");
  ASSERT_FALSE(WriteTranslation(folder, builder.Build()));
  bool written = false;
  ASSERT_FALSE(WriteDefaultAliasFileIfMissing(folder, TranslationId::BT, &written));
  EXPECT_TRUE(written);
  ASSERT_FALSE(WriteDefaultAliasFileIfMissing(folder, TranslationId::BT, &written));
  EXPECT_FALSE(written);  // an existing alias file is kept

  CTranslationIndex bt(TranslationId::BT);
  ASSERT_FALSE(bt.LoadIndex(folder));
  ASSERT_FALSE(bt.LoadAliases(folder));
  EXPECT_EQ(bt.GetChapterCount(22), 119);
  std::vector<std::string> lines;
  ASSERT_FALSE(LoadChapterText(bt, folder, "ksiegi", 22, 118, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"Psalm", longVerse}));
  std::string typed = "Ps 119:2";
  int chapter = 0, verse = 0;
  EXPECT_EQ(bt.ParseReference(typed, chapter, verse), 22);
  EXPECT_TRUE(CheckTranslationFolder(folder, TranslationId::BT).problems.empty());
}

TEST_F(WrittenFolder, CheckNamesEachDamagedOrMissingFile) {
  CTranslationBuilder builder(TranslationId::BW);
  builder.AddVerse(0, 1, 1, "a");
  builder.AddVerse(0, 1, 2, "b");
  builder.AddVerse(1, 1, 1, "c");
  ASSERT_FALSE(WriteTranslation(folder, builder.Build()));
  std::filesystem::remove(folder + "/ksiegi/2.bw");
  // Book 0 cut short: only its first verse, so the index names one entry too many.
  const auto shortFile = WriteStringArray({"a"});
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/0.bw", shortFile));
  const std::vector<std::uint8_t> garbage = {0x05, 0x00, 0xFF};
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/1.bw", garbage));

  const TranslationCheck check = CheckTranslationFolder(folder, TranslationId::BW);
  ASSERT_EQ(check.problems.size(), 4u);
  EXPECT_EQ(check.problems[0], "bw_alias.txt: missing");
  EXPECT_EQ(check.problems[1], "ksiegi/0.bw: holds 1 verses, the index names 2");
  EXPECT_TRUE(check.problems[2].starts_with("ksiegi/1.bw: damaged")) << check.problems[2];
  EXPECT_EQ(check.problems[3], "ksiegi/2.bw: missing");

  EXPECT_EQ(CheckTranslationFolder(folder, TranslationId::BG).problems.size(), 1u);  // no bg.idx
}

TEST(TranslationBuilder, IndexNamingScatteredEntriesIsReported) {
  const VerseIndex index = {{{0, 2}}};
  EXPECT_NE(CheckBookBytes(index, 0, WriteStringArray({"a", "b", "c"})), "");
  EXPECT_EQ(CheckBookBytes({{{0, 1}}}, 0, WriteStringArray({"a", "b"})), "");
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

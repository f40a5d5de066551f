// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/import_messages.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

// The dialog shows what the tool found: a TSV with a hole, a repeated place, a
// character spelled in Latin and a line quoting a tab survives the pipe.
TEST(ImportSummary, TheDialogDescribesWhatTheToolFound) {
  CTranslationBuilder builder(TranslationId::BT);
  ImportTsv("0\t1\t1\tCæsar\n"
            "0\t1\t3\tpo luce\n"
            "0\t1\t3\tjeszcze raz\n"
            "zły\twiersz\n",
            builder);
  const BuiltTranslation built = builder.Build();
  const auto summary = ParseImportSummary(FormatImportSummary("/home/ala/.local/share/skrybon", built, builder.Report()));
  ASSERT_TRUE(summary);
  EXPECT_EQ(summary->folder, "/home/ala/.local/share/skrybon");
  const std::vector<std::string> expected = {
      "Księgi: 1 z 73",
      "Rozdziały: 73",
      "Wersety: 2",
      "Brak ksiąg (każda dostanie jeden pusty werset): Wyjścia, Kapłańska",  // start; the list goes on
      "Znaki zapisane po łacinie (Windows-1250 ich nie ma): 1 (pierwszy przypadek: Rdz 1:1: 'æ' (U+00E6) as 'ae')",
      "Pominięte fragmenty źródła: 1 (pierwszy przypadek: line 4 is not book<TAB>chapter<TAB>verse<TAB>text)",
      "Powtórzone miejsca (zostaje pierwszy tekst): 1 (pierwszy przypadek: Rdz 1:3)",
      "Brakujące wersety, zapisane jako puste: 1 (pierwszy przypadek: Rdz 1:2)",
  };
  const std::vector<std::string> lines = DescribeImportSummary(TranslationId::BT, *summary);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 3) EXPECT_TRUE(lines[i].starts_with(expected[i])) << lines[i];
    else EXPECT_EQ(lines[i], expected[i]);
  }
  EXPECT_TRUE(lines[3].ends_with("Apokalipsa św. Jana"));
}

TEST(ImportSummary, WhatIsNotASummaryOrAProgressLineIsRefused) {
  EXPECT_FALSE(ParseImportSummary(""));
  EXPECT_FALSE(ParseImportSummary("BG: 66 books, 1189 chapters, 31102 verses written to /x\n"));
  EXPECT_FALSE(ParseImportSummary("folder\t/x\n"));        // no verse count
  EXPECT_FALSE(ParseImportSummary("verses\t3\nchapters\t1\n"));  // no folder
  for (const char* line : {"progress\t3", "progress\t3\t2", "progress\t-1\t5", "progress\tx\t5", "warning: 3\t4",
                           "progress\t1\t2\t3"}) {
    EXPECT_FALSE(ParseImportProgress(line)) << line;
  }
  const auto progress = ParseImportProgress(FormatImportProgress(4, 68));
  ASSERT_TRUE(progress);
  EXPECT_EQ(progress->written, 4u);
  EXPECT_EQ(progress->total, 68u);
}

TEST(ImportSummary, TheFormatOfAChosenFile) {
  const struct {
    const char* name;
    std::string head;
    std::string_view format;
  } cases[] = {
      {"bg.tsv", "0\t1\t1\tNa początku", "tsv"},
      {"bg.txt", "", "tsv"},
      {"bg.xml", "<?xml version=\"1.0\"?>\n<osis xmlns=\"http://www.bibletechnologies.net/2003/OSIS/namespace\">", "osis"},
      {"bg.XML", "", "zefania"},  // an empty XML file: the parser will say what is wrong
      {"bg", "\xEF\xBB\xBF  <XMLBIBLE biblename=\"Gdańska\">", "zefania"},
      {"bg", std::string("\xFF\xFE<\0o\0s\0i\0s\0>\0", 14), "osis"},  // UTF-16
  };
  for (const auto& c : cases) EXPECT_EQ(ImportFormatOf(c.name, c.head), c.format) << c.name << " " << c.head;
}

TEST(ImportSummary, SlotLabelsSayWhatIsInstalled) {
  EXPECT_EQ(InstalledTranslationLabel(TranslationId::BW, {}), "Biblia Warszawska (BW) – nie zainstalowana");
  EXPECT_EQ(InstalledTranslationLabel(TranslationId::BT, {{{0, 1, 2}, {3}}, {{0}}}),
            "Biblia Tysiąclecia (BT) – zainstalowana: księgi 2, rozdziały 3, wersety 5");
}

}  // namespace
}  // namespace skrybon

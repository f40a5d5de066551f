// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/found_verses_text.h"

#include <gtest/gtest.h>

#include "data/codepage.h"

namespace skrybon {
namespace {

CFoundVerseList TwoVerses() {
  CFoundVerseList list;
  list.Add(44, 31, Cp("Rzymian 5:2"));
  list.Add(45, 338, Cp("1 Koryntów 13:13"));
  list.SetWords({"wiara", "nadzieja", "", ""});
  return list;
}

TEST(FoundVersesText, DocumentedExampleByteForByte) {
  const CFoundVerseList list = TwoVerses();
  std::vector<int> booksRead;
  const std::string text = FormatFoundVersesText(list, 66, [&](int book, std::vector<std::string>& verses) {
    booksRead.push_back(book);
    verses.assign(400, "?");
    if (book == 44) verses[31] = Cp("przez wiarę");
    if (book == 45) verses[338] = Cp("A teraz zostaje wiara, nadzieja, miłość");
    return true;
  });
  EXPECT_EQ(booksRead.size(), 66u);
  EXPECT_EQ(Cp1250ToUtf8(text),
            "Lista znalezionych wersetów dla szukanych wyrazów:\r\n"
            "  1. \"wiara\"\r\n"
            "  2. \"nadzieja\"\r\n"
            "  3. \"\"\r\n"
            "  4. \"\"\r\n"
            "\r\n----------------------------\r\n"
            "Rzymian 5:2\r\n\"przez wiarę\"\r\n\r\n"
            "1 Koryntów 13:13\r\n\"A teraz zostaje wiara, nadzieja, miłość\"\r\n\r\n"
            "\r\n----------------------------\r\n"
            "   2 werset(ów).\r\n");
}

TEST(FoundVersesText, UnreadableBooksAndShortArraysLeaveVersesOut) {
  CFoundVerseList list = TwoVerses();
  list.Add(45, 999, "poza tablicą");
  const std::string text = FormatFoundVersesText(list, 66, [](int book, std::vector<std::string>& verses) {
    verses.assign(400, "tekst");
    return book != 44;
  });
  EXPECT_EQ(text.find("Rzymian"), std::string::npos);
  EXPECT_EQ(text.find(Cp("poza tablicą")), std::string::npos);
  EXPECT_NE(text.find(Cp("1 Koryntów 13:13\r\n\"tekst\"")), std::string::npos);
  // The count is the list's, whatever was written.
  EXPECT_NE(text.find(Cp("   3 werset(ów).\r\n")), std::string::npos);
}

TEST(FoundVersesText, EmptyListStillHasHeaderAndCount) {
  const CFoundVerseList list;
  EXPECT_EQ(Cp1250ToUtf8(FormatFoundVersesText(list, 3, [](int, std::vector<std::string>&) { return true; })),
            "Lista znalezionych wersetów dla szukanych wyrazów:\r\n  1. \"\"\r\n  2. \"\"\r\n  3. \"\"\r\n  4. \"\"\r\n"
            "\r\n----------------------------\r\n\r\n----------------------------\r\n   0 werset(ów).\r\n");
}

TEST(FoundVersesText, DefaultFileNameJoinsTheFilledWords) {
  CFoundVerseList list = TwoVerses();
  EXPECT_EQ(FoundVersesDefaultFileName(list, TranslationId::BG), "wiara_nadzieja_BG");
  list.SetWords({"wiara", "", Cp("miłość"), ""});
  EXPECT_EQ(Cp1250ToUtf8(FoundVersesDefaultFileName(list, TranslationId::BT)), "wiara_miłość_BT");
}

}  // namespace
}  // namespace skrybon

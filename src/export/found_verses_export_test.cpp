// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/found_verses_export.h"

#include <gtest/gtest.h>

#include "data/codepage.h"
#include "testing/fixture_data.h"

namespace skrybon {
namespace {

// BT books of one chapter of three verses "b<book> v<verse>": book 2 has no
// file and book 3 a damaged one; both are reported, left out and not polled.
TEST(FoundVersesExport, UnreadableBooksAreReportedAndLeftOut) {
  testing::CTempFolder folder("skrybon-export");
  testing::WriteBooks(folder.Path(), TranslationId::BT, [](int) { return std::vector<int>{3}; },
                      [](int b, int, int v) { return std::string("b").append(std::to_string(b)).append(" v").append(std::to_string(v + 1)); }, 2);
  testing::WriteFixtureFile(folder.Path() / "ksiegi/3.bt", std::vector<std::uint8_t>{0xFF, 0x7F});
  CFoundVerseList list;
  list.Add(1, 0, "L1");
  list.Add(3, 1, "L3");
  list.Add(4, 2, "L4");
  list.SetWords({"v", Cp("miłość"), "", ""});
  std::vector<std::string> messages;
  std::vector<int> books;
  const std::string text = ExportFoundVerses(
      list, TranslationId::BT, folder.String(), "ksiegi", [&](const std::string& m) { messages.push_back(m); },
      [&](int book) {
        books.push_back(book);
        return true;
      });

  // The damaged book's verse is left out like the missing one's; the count is the list's.
  EXPECT_NE(text.find("L1\r\n\"b1 v1\"\r\n\r\nL4\r\n\"b4 v3\"\r\n\r\n\r\n---"), std::string::npos);
  EXPECT_TRUE(text.ends_with(Cp(" 3 werset(ów).\r\n")));
  EXPECT_EQ(books.size(), 71u);
  EXPECT_EQ(books[2], 4);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(Cp1250ToUtf8(messages[0]),
            "Nie mogę odnaleźć pliku: '/ksiegi/2.bt'!\nJest to plik z księgą: 'Kapłańska' i musi się znajdować "
            "folderze './ksiegi' względem głównego foldera programu!\nPlik zostanie pominięty.");
  EXPECT_NE(messages[1].find("/ksiegi/3.bt"), std::string::npos);
}

}  // namespace
}  // namespace skrybon

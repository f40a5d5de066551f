// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/book_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/codepage.h"
#include "data/verse_index.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(BookFile, DocumentedExampleByteForByte) {
  const Bytes bytes = {0x02, 0x00, 0x03, 0x61, 0x62, 0x63, 0x01, 0xBF};
  EXPECT_EQ(WriteStringArray({"abc", Cp("ż")}), bytes);
  EXPECT_EQ(ReadStringArray(bytes), (std::vector<std::string>{"abc", Cp("ż")}));
}

TEST(BookFile, AllLengthFormsRoundTrip) {
  const std::vector<std::string> strings = {"", std::string(254, 'a'), std::string(255, 'b'),
                                            std::string(0xFFFD, 'c'), std::string(0xFFFE, 'd'),
                                            std::string(70000, 'e')};
  const Bytes bytes = WriteStringArray(strings);
  EXPECT_EQ(bytes[2 + 1 + 1 + 254], 0xFF);  // 255 needs the 0xFF + 16-bit form
  EXPECT_EQ(ReadStringArray(bytes), strings);
}

TEST(BookFile, Utf16StringsAreConvertedToWindows1250) {
  // "Łk" stored as UTF-16LE: FF FE FF, length 2, then 0x0141 0x006B.
  const Bytes bytes = {0x01, 0x00, 0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x01, 0x6B, 0x00};
  EXPECT_EQ(ReadStringArray(bytes), (std::vector<std::string>{Cp("Łk")}));
}

TEST(BookFile, DamagedArraysAreRejected) {
  const Bytes good = WriteStringArray({"abc", "defgh"});
  for (std::size_t n = 0; n < good.size(); ++n) {
    EXPECT_THROW(ReadStringArray(Bytes(good.begin(), good.begin() + static_cast<long>(n))), DataFormatError);
  }
  EXPECT_THROW(ReadStringArray(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x61}), DataFormatError);
  EXPECT_THROW(ReadStringArray(Bytes{0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), DataFormatError);
  EXPECT_THROW(ReadStringArray(Bytes{0x01, 0x00, 0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x01}), DataFormatError);

  // No entry number reaches past 65536 verses; a file claiming more is damaged.
  EXPECT_EQ(ReadStringArray(WriteStringArray(std::vector<std::string>(kMaxBookFileVerses))).size(),
            kMaxBookFileVerses);
  EXPECT_THROW(ReadStringArray(WriteStringArray(std::vector<std::string>(kMaxBookFileVerses + 1))),
               DataFormatError);
}

class ChapterLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder + "/ksiegi");
    VerseIndex books(66, {{0}});
    books[12] = {{0, 1, 2}, {3, 4}};
    index.SetIndex(books);
    ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/12.bg", WriteStringArray({"a", "b", "c", "d", "e", "f"})));
    ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/0.bg", WriteStringArray({})));
  }
  CTranslationIndex index{TranslationId::BG};
  testing::CTempFolder temp;
  std::string folder = temp.String();
};

TEST_F(ChapterLoading, KeepsExactlyTheChapterAndClampsItsNumber) {
  std::vector<std::string> lines;
  EXPECT_FALSE(LoadChapterText(index, folder, "ksiegi", 12, 0, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_FALSE(LoadChapterText(index, folder, "ksiegi", 12, 50, lines));
  EXPECT_EQ(lines, (std::vector<std::string>{"d", "e"}));
}

TEST_F(ChapterLoading, MissingOrTooShortFilesGiveTheMessageAndLeaveLinesAlone) {
  std::vector<std::string> lines = {"kept"};
  const auto missing = LoadChapterText(index, folder, "ksiegi", 13, 0, lines);
  ASSERT_TRUE(missing);
  EXPECT_EQ(Cp1250ToUtf8(*missing),
            "Nie mogę odnaleźć pliku:\t\t'/ksiegi/13.bg'!\nJest to plik z księgą:\t\t'2 Kronik' i musi się "
            "znajdować folderze\t\t'./ksiegi' względem głównego\t\tfoldera programu!");
  EXPECT_TRUE(LoadChapterText(index, folder, "ksiegi", 0, 0, lines));  // names entry 0, file is empty
  std::filesystem::create_directories(folder + "/ksiegi/1.bg");  // a folder where a book file belongs
  const auto folderInstead = LoadChapterText(index, folder, "ksiegi", 1, 0, lines);
  ASSERT_TRUE(folderInstead);
  EXPECT_EQ(Cp1250ToUtf8(*folderInstead),
            "Nie mogę odczytać pliku:\t\t'/ksiegi/1.bg' (jest to folder, a nie plik)!\nJest to plik z księgą:\t\t"
            "'2 Mojżeszowa'.");
  EXPECT_EQ(lines, std::vector<std::string>{"kept"});
}

}  // namespace
}  // namespace skrybon

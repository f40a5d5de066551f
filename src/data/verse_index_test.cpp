// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/verse_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/codepage.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}
Bytes Text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// One book, chapters of 3 and 2 verses at entries 0-2 and 3-4, as the usual writer lays it out.
const Bytes kOneBookExample = Concat({{0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00},
                                      Text("CObArray"),
                                      {0x02, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x0A, 0x00},
                                      Text("CWordArray"),
                                      {0x03, 0x00, 0x00, 0x00, 0x01, 0x00, 0x02, 0x00, 0x03, 0x80, 0x02,
                                       0x00, 0x03, 0x00, 0x04, 0x00}});

TEST(VerseIndexFile, ReadsAndWritesTheDocumentedLayoutByteForByte) {
  const VerseIndex index = ReadVerseIndex(kOneBookExample, 1);
  EXPECT_EQ(index, (VerseIndex{{{0, 1, 2}, {3, 4}}}));
  EXPECT_EQ(WriteVerseIndex(index), kOneBookExample);
}

TEST(VerseIndexFile, LaterBooksUseShortTagsAndBigIndexesRoundTrip) {
  VerseIndex index(3);
  std::uint16_t entry = 0;
  for (auto& book : index) {
    book.resize(40);
    for (auto& chapter : book) {
      chapter.resize(30);
      for (auto& e : chapter) e = entry++;
    }
  }
  const Bytes bytes = WriteVerseIndex(index);
  EXPECT_EQ(ReadVerseIndex(bytes, 3), index);
  // Book 1's list is a new object of class 1: tag 0x8001.
  const std::size_t book1 = 2 + (6 + 8) + 2 + (6 + 10) + 2 + 60 + 39 * (2 + 2 + 60);
  EXPECT_EQ(bytes[book1], 0x01);
  EXPECT_EQ(bytes[book1 + 1], 0x80);
}

TEST(VerseIndexFile, AcceptsEscapedCountsLongTagsAndSharedObjects) {
  // Count 0xFFFF + 32-bit 1; chapter 0 through the long tag 0x7FFF with bit 31
  // (new object of class 3); chapter 1 as a long back-reference to object 4.
  const Bytes bytes = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00},
                              Text("CObArray"),
                              {0x03, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x0A, 0x00},
                              Text("CWordArray"),
                              {0x01, 0x00, 0x07, 0x00, 0xFF, 0x7F, 0x03, 0x00, 0x00, 0x80, 0x01, 0x00, 0x08,
                               0x00, 0xFF, 0x7F, 0x04, 0x00, 0x00, 0x00, 0x04, 0x00}});
  EXPECT_EQ(ReadVerseIndex(bytes, 1), (VerseIndex{{{7}, {8}, {7}}}));
}

TEST(VerseIndexFile, RejectsDamagedFilesWithoutReadingPastThem) {
  auto rejects = [](Bytes b, int books = 1) {
    EXPECT_THROW(ReadVerseIndex(b, books), DataFormatError);
  };
  for (std::size_t n = 0; n < kOneBookExample.size(); ++n) {
    rejects(Bytes(kOneBookExample.begin(), kOneBookExample.begin() + static_cast<long>(n)));
  }
  rejects(kOneBookExample, 66);  // wrong number of books
  const std::tuple<std::size_t, std::uint8_t, const char*> damages[] = {
      {10, 'X', "class name"}, {4, 1, "schema"}, {44, 0x09, "tag of an unknown class number"}};
  for (const auto& [at, byte, what] : damages) {
    Bytes bad = kOneBookExample;
    bad[at] = byte;
    SCOPED_TRACE(what);
    rejects(bad);
  }
  Bytes bad = kOneBookExample;
  bad[44] = bad[45] = 0x00;  // null object where a chapter list belongs
  rejects(bad);
  // A long back-reference to object 2, the book's own list, where a chapter list belongs.
  rejects(Concat({Bytes(kOneBookExample.begin(), kOneBookExample.begin() + 42), {0xFF, 0x7F, 0x02, 0x00, 0x00, 0x00}}));
  // A count of four billion is refused before anything is allocated.
  rejects({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}, 1);
  rejects({0x01, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x08, 0x00, 'C', 'O', 'b', 'A', 'r', 'r', 'a', 'y', 0x00, 0x00});

  // More chapters than a book can have verses: refused at the count, before
  // a list is made for each of them.
  Bytes manyChapters = Concat({Bytes(kOneBookExample.begin(), kOneBookExample.begin() + 16),
                               {0xFF, 0xFF, 0x71, 0x11, 0x01, 0x00}, Bytes(2 * 0x11171, 0x00)});
  try {
    ReadVerseIndex(manyChapters, 1);
    ADD_FAILURE() << "accepted";
  } catch (const DataFormatError& e) {
    EXPECT_EQ(e.what(), Cp("za dużo rozdziałów w księdze"));
  }
}

class TranslationIndexQueries : public ::testing::Test {
 protected:
  TranslationIndexQueries() : index(TranslationId::BG) {
    VerseIndex books(66, {{0}});
    books[0] = {{0, 1, 2}, {3, 4}, {5}};
    books[65] = {{0, 1}, {2, 3, 4, 5}, {6, 7}};
    index.SetIndex(books);
  }
  CTranslationIndex index;
};

TEST_F(TranslationIndexQueries, ClampBookAndChapter) {
  EXPECT_EQ(index.GetChapterCount(-5), 3);
  EXPECT_EQ(index.GetChapterCount(200), 3);
  EXPECT_EQ(index.GetVerseCount(0, 999), 1);
  EXPECT_EQ(index.GetVerseCount(200, -1), 2);
  EXPECT_EQ(index.GetChapterEntryRange(0, 1), std::make_pair(3, 4));
  EXPECT_EQ(index.GetChapterEntryRange(0, 2), std::make_pair(5, 5));
  EXPECT_EQ(index.GetChapterEntryRange(65, 7), std::make_pair(6, 7));
}

TEST_F(TranslationIndexQueries, FindVerseOfEntry) {
  int chapter = -7, verse = -7;
  index.FindVerseOfEntry(65, 4, chapter, verse);
  EXPECT_EQ(chapter, 1);
  EXPECT_EQ(verse, 2);
  chapter = verse = -7;
  index.FindVerseOfEntry(65, 99, chapter, verse);
  EXPECT_EQ(chapter, -7);
  EXPECT_EQ(verse, -7);
}

TEST(TranslationIndexLoading, MissingAndDamagedFilesGiveMessagesNamingTheFile) {
  CTranslationIndex index(TranslationId::BW);
  const auto missing = index.LoadIndex("/nonexistent-folder");
  ASSERT_TRUE(missing);
  EXPECT_EQ(*missing, Cp("Nie mogę odnaleźć pliku: 'bw.idx'!\nJest to plik indeksowy Biblii Warszawskiej i musi "
                         "się znajdować w głównym folderze programu!\nProgram zakończy pracę."));
  const testing::CTempFolder folder;
  ASSERT_TRUE(WriteFileAtomically(folder.String() + "/bw.idx", kOneBookExample));
  const auto damaged = index.LoadIndex(folder.String());
  ASSERT_TRUE(damaged);
  EXPECT_NE(damaged->find("bw.idx"), std::string::npos);
  EXPECT_TRUE(index.Index().empty());
  // There but not readable (here a folder in its place): not "cannot find".
  std::filesystem::remove(folder.String() + "/bw.idx");
  std::filesystem::create_directory(folder.String() + "/bw.idx");
  EXPECT_EQ(index.LoadIndex(folder.String()),
            Cp("Nie mogę odczytać pliku: 'bw.idx' (jest to folder, a nie plik)!\nJest to plik indeksowy Biblii "
               "Warszawskiej.\nProgram będzie działał bez tego przekładu."));
}

}  // namespace
}  // namespace skrybon

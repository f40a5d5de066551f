// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/data_check.h"
#include "testing/file_size_limit.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

namespace fs = std::filesystem;

// Every entry under folder with its bytes (a folder's name ends in '/'): the
// folder's whole state, stray temporaries included.
std::map<std::string, std::vector<std::uint8_t>> Snapshot(const std::string& folder) {
  std::map<std::string, std::vector<std::uint8_t>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = fs::relative(entry.path(), folder).string();
    if (entry.is_directory()) files[name + "/"];
    else EXPECT_TRUE(ReadWholeFile(entry.path().string(), files[name]));
  }
  return files;
}

// A translation whose every book has `verses` verses in one chapter.
BuiltTranslation Built(TranslationId id, int verses, std::string_view text) {
  CTranslationBuilder builder(id);
  for (int book = 0; book < BookCount(id); ++book) {
    for (int v = 1; v <= verses; ++v) builder.AddVerse(book, 1, v, text);
  }
  return builder.Build();
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
  const BuiltTranslation built = builder.Build();
  bool written = false;
  ASSERT_FALSE(WriteTranslation(folder, built, &written));
  EXPECT_TRUE(written);
  const auto aliases = Snapshot(folder).at("bt_alias.txt");
  ASSERT_TRUE(WriteFileAtomically(folder + "/bt_alias.txt", WriteStringArray({"own"})));
  ASSERT_FALSE(WriteTranslation(folder, built, &written));
  EXPECT_FALSE(written);  // an existing alias file is the user's and stays
  EXPECT_EQ(Snapshot(folder).at("bt_alias.txt"), WriteStringArray({"own"}));
  ASSERT_TRUE(WriteFileAtomically(folder + "/bt_alias.txt", aliases));

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
  builder.AddVerse(3, 1, 1, "d");
  ASSERT_FALSE(WriteTranslation(folder, builder.Build()));
  fs::remove(folder + "/bw_alias.txt");
  fs::remove(folder + "/ksiegi/2.bw");
  // Book 0 cut short: only its first verse, so the index names one entry too many.
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/0.bw", WriteStringArray({"a"})));
  const std::vector<std::uint8_t> garbage = {0x05, 0x00, 0xFF};
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/1.bw", garbage));
  // Book 3 from another import: longer than its index says.
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/3.bw", WriteStringArray({"d", "e"})));

  const TranslationCheck check = CheckTranslationFolder(folder, TranslationId::BW);
  ASSERT_EQ(check.problems.size(), 5u);
  EXPECT_EQ(check.problems[0], "bw_alias.txt: missing");
  EXPECT_EQ(check.problems[1], "ksiegi/0.bw: holds 1 verses, the index names 2");
  EXPECT_TRUE(check.problems[2].starts_with("ksiegi/1.bw: damaged")) << check.problems[2];
  EXPECT_EQ(check.problems[3], "ksiegi/2.bw: missing");
  EXPECT_EQ(check.problems[4], "ksiegi/3.bw: holds 2 verses, the index names 1");

  EXPECT_EQ(CheckTranslationFolder(folder, TranslationId::BG).problems.size(), 1u);  // no bg.idx
}

TEST(TranslationBuilder, IndexNamingScatteredEntriesIsReported) {
  const VerseIndex index = {{{0, 2}}};
  EXPECT_NE(CheckBookBytes(index, 0, WriteStringArray({"a", "b", "c"})), "");
  EXPECT_EQ(CheckBookBytes({{{0, 1}}}, 0, WriteStringArray({"a", "b"})), "");
}

// A second import that fails anywhere, while writing or while putting the
// files in place, leaves the first one byte for byte and no stray file.
TEST_F(WrittenFolder, AFailedReimportLeavesTheEarlierTranslationIntact) {
  const struct {
    const char* what;
    std::function<void(const std::string&)> prepare;  // run on the folder before the second write
    bool fullDisk;
    const char* error;
    WriteProgress progress = {};
  } cases[] = {
      {"a full disk at the index, after every book", [](const std::string&) {}, true, "bg.idx: File too large"},
      {"stopped after the first book", [](const std::string&) {}, false, "stopped",
       [](std::size_t written, std::size_t) { return written < 1; }},
      {"stopped with every file written, before any is put in place", [](const std::string&) {}, false, "stopped",
       [](std::size_t written, std::size_t total) { return written < total; }},
      {"the index cannot be renamed into place",
       [](const std::string& f) {
         fs::remove(f + "/bg.idx");
         fs::create_directory(f + "/bg.idx");
       },
       false, "bg.idx: Is a directory"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(folder);
    ASSERT_FALSE(WriteTranslation(folder, Built(TranslationId::BG, 2, "stary")));
    c.prepare(folder);
    const auto before = Snapshot(folder);
    std::optional<std::string> error;
    {
      // Room for each new book (about 2 kB) but not for the new index (about 6 kB).
      std::optional<testing::CFileSizeLimit> fullDisk;
      if (c.fullDisk) fullDisk.emplace(4000);
      error = WriteTranslation(folder, Built(TranslationId::BG, 40, std::string(50, 'n')), nullptr, c.progress);
    }
    ASSERT_TRUE(error);
    EXPECT_NE(error->find(c.error), std::string::npos) << *error;
    EXPECT_EQ(Snapshot(folder), before);
  }
}

TEST_F(WrittenFolder, AFailedFirstImportLeavesNoFolderBehind) {
  {
    const testing::CFileSizeLimit fullDisk(10);
    ASSERT_TRUE(WriteTranslation(folder, Built(TranslationId::BW, 3, "tekst")));
  }
  EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
}  // namespace skrybon

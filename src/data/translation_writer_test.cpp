// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_writer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>

#include "data/archive.h"
#include "data/atomic_file.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/data_check.h"
#include "data/folder_lock.h"
#include "data/translation_files.h"
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
  TranslationWriteNotes notes;
  ASSERT_FALSE(WriteTranslation(folder, built, &notes));
  EXPECT_TRUE(notes.aliasWritten);

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

  ASSERT_TRUE(WriteFileAtomically(folder + "/bt_alias.txt", WriteStringArray({"own"})));
  ASSERT_FALSE(WriteTranslation(folder, built, &notes));
  EXPECT_FALSE(notes.aliasWritten);  // an existing alias file is the user's and stays
  EXPECT_EQ(Snapshot(folder).at("bt_alias.txt"), WriteStringArray({"own"}));
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
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/1.bw", std::vector<std::uint8_t>{0x05, 0x00, 0xFF}));
  // Book 3 from another import: longer than its index says.
  ASSERT_TRUE(WriteFileAtomically(folder + "/ksiegi/3.bw", WriteStringArray({"d", "e"})));

  EXPECT_EQ(CheckTranslationFolder(folder, TranslationId::BW).problems,
            (std::vector<std::string>{"bw_alias.txt: missing", "ksiegi/0.bw: holds 1 verses, the index names 2",
                                      "ksiegi/1.bw: damaged (plik kończy się przedwcześnie)", "ksiegi/2.bw: missing",
                                      "ksiegi/3.bw: holds 2 verses, the index names 1"}));

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

TEST_F(WrittenFolder, CheckReportsAnAliasFileThatNamesNoBook) {
  ASSERT_FALSE(WriteTranslation(folder, Built(TranslationId::BG, 1, "a")));
  const struct {
    const char* what;
    std::string_view text;
    bool namesABook;
  } cases[] = {
      {"CR-only line ends: one comment line", "; nazwy\r1 Moj., Rdz, Gen\r2 Moj., Wj\r", false},
      {"NUL bytes", std::string_view("\0,\0\0\n\0, \0\n", 9), false},
      {"binary", "\x89PNG\r\n\x1a\n,\xff\xfe,\x01\x02\n", false},
      {"one usable line among garbage", "\x89\n1 Moj., \x01, Rdz\n", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(c.text.data()), c.text.size());
    ASSERT_TRUE(WriteFileAtomically(folder + "/bg_alias.txt", bytes));
    const auto problems = CheckTranslationFolder(folder, TranslationId::BG).problems;
    EXPECT_EQ(problems.empty(), c.namesABook);
    if (!problems.empty()) EXPECT_TRUE(problems[0].starts_with("bg_alias.txt: no line names a book")) << problems[0];
  }
}

// An import killed between its first and its last rename leaves its journal:
// readers refuse the translation, and the undo puts back every earlier file
// from its kept second name. Here BG's import of new books 0 and 1 and of a
// new alias file was cut short before the index.
TEST_F(WrittenFolder, AnImportCutShortIsRefusedUntilUndone) {
  ASSERT_FALSE(WriteTranslation(folder, Built(TranslationId::BG, 2, "stary")));
  fs::remove(folder + "/bg_alias.txt");
  const auto before = Snapshot(folder);
  const auto keepAndReplace = [&](const std::string& name, const char* kept) {
    if (kept) fs::create_hard_link(folder + "/" + name, folder + "/" + name + "." + kept + ".old~");
    ASSERT_TRUE(WriteFileAtomically(folder + "/" + name, WriteStringArray({"nowy"})));
  };
  keepAndReplace("ksiegi/0.bg", "k0000000");
  keepAndReplace("ksiegi/1.bg", "k1111111");
  keepAndReplace("bg_alias.txt", nullptr);
  fs::create_hard_link(folder + "/bg.idx", folder + "/bg.idx.k2222222.old~");  // not yet replaced
  const std::string journal = "ksiegi/0.bg\tk0000000\nksiegi/1.bg\tk1111111\nbg_alias.txt\t-\nbg.idx\tk2222222\n";
  const auto interrupted = [&](std::string_view text) {
    ASSERT_TRUE(WriteFileAtomically(folder + "/bg.import-journal",
                                    std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())));
  };

  // A journal naming anything but the translation's own files is refused untouched.
  for (const std::string_view hostile : {"../outside\t-\n", "bg.idx\tABCDEFGH\n", "ksiegi/0.bw\t-\n", "bg.idx\n"}) {
    SCOPED_TRACE(hostile);
    interrupted(hostile);
    const auto state = Snapshot(folder);
    const FileWriteResult undone = UndoUnfinishedImport(folder, TranslationId::BG);
    EXPECT_NE(undone.error.find("damaged journal"), std::string::npos) << undone.error;
    EXPECT_EQ(Snapshot(folder), state);
  }

  interrupted(journal);
  CTranslationIndex bg(TranslationId::BG);
  const auto message = bg.LoadIndex(folder);
  ASSERT_TRUE(message);
  EXPECT_NE(message->find(Cp("nie został dokończony")), std::string::npos);
  EXPECT_NE(message->find("check --repair --data '" + folder + "'"), std::string::npos);
  EXPECT_TRUE(CheckTranslationFolder(folder, TranslationId::BG).problems.at(0).starts_with("bg.import-journal: "));
  EXPECT_EQ(FindLeftovers(folder, TranslationId::BG).size(), 3u);

  ASSERT_TRUE(UndoUnfinishedImport(folder, TranslationId::BG));
  EXPECT_EQ(Snapshot(folder), before);
  EXPECT_FALSE(bg.LoadIndex(folder));
  // An undo cut short is finished by the next one (0.bg is back, its old name gone).
  keepAndReplace("ksiegi/1.bg", "k1111111");
  interrupted(journal);
  ASSERT_TRUE(UndoUnfinishedImport(folder, TranslationId::BG));
  EXPECT_EQ(Snapshot(folder), before);
}

TEST_F(WrittenFolder, OnlyOwnLeftoversOlderThanTheLockAreFound) {
  ASSERT_FALSE(WriteTranslation(folder, Built(TranslationId::BG, 1, "a")));
  for (const char* name : {"bg.idx.abcdefgh~", "ksiegi/0.bg.0123abcd.old~", "bg.import-journal.zzzzzzzz~",
                           "bw.idx.abcdefgh~", "notes.txt.abcdefgh~", "bg.idx.ABCDEFGH~", "bg.idx.abcdefg~",
                           "ksiegi/bg.idx.abcdefgh~", "bg.idx.abcdefgh.old"}) {
    ASSERT_TRUE(WriteFileAtomically(folder + "/" + name, WriteStringArray({})));
  }
  fs::create_directory(folder + "/bg_alias.txt.abcdefgh~");
  const std::vector<std::string> ours = {"bg.idx.abcdefgh~", "bg.import-journal.zzzzzzzz~",
                                         "ksiegi/0.bg.0123abcd.old~"};
  EXPECT_EQ(FindLeftovers(folder, TranslationId::BG), ours);
  EXPECT_TRUE(FindLeftovers(folder, TranslationId::BG, fs::last_write_time(folder + "/bg.idx.abcdefgh~")).size() < 3);

  // The next import removes them and leaves the rest.
  TranslationWriteNotes notes;
  ASSERT_FALSE(WriteTranslation(folder, Built(TranslationId::BG, 1, "b"), &notes));
  EXPECT_EQ(notes.leftoversRemoved, 3u);
  EXPECT_TRUE(FindLeftovers(folder, TranslationId::BG).empty());
  EXPECT_TRUE(fs::exists(folder + "/notes.txt.abcdefgh~"));
}

TEST_F(WrittenFolder, AHeldFolderIsWaitedForABoundedTime) {
  fs::create_directories(folder);
  const CFolderLock held(folder, {});
  ASSERT_EQ(held.Error(), "");
  int told = 0;
  const FolderLockWait wait{std::chrono::milliseconds(200), [&told] { ++told; }};
  const auto start = std::chrono::steady_clock::now();
  const auto error = WriteTranslation(folder, Built(TranslationId::BT, 1, "a"), nullptr, {}, wait);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
  ASSERT_TRUE(error);
  EXPECT_NE(error->find("still holds its lock after 0.2 s"), std::string::npos) << *error;
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(fs::exists(folder + "/bt.idx"));
}

}  // namespace
}  // namespace skrybon

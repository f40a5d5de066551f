// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "data/archive.h"
#include "testing/file_size_limit.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

std::string Contents(const std::string& path) {
  std::vector<std::uint8_t> read;
  EXPECT_TRUE(ReadWholeFile(path, read)) << path;
  return {read.begin(), read.end()};
}

std::size_t EntriesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(AtomicFile, ReplacesKeepingModeAndLinksAndLeavesNoTemporary) {
  const testing::CTempFolder folder;
  const std::string path = folder.String() + "/data.ini";
  ASSERT_TRUE(WriteFileAtomically(path, Bytes("old")));
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_TRUE(WriteFileAtomically(path, Bytes("new")));
  EXPECT_EQ(Contents(path), "new");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(EntriesIn(folder.Path()), 1u);

  // Reached through a link, the file it points to is replaced; the link stays.
  const std::string link = folder.String() + "/link.ini";
  fs::create_symlink(path, link);
  ASSERT_TRUE(WriteFileAtomically(link, Bytes("through the link")));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Contents(path), "through the link");

  // A link to a file not there yet is written through too, creating that file;
  // a loop of links is refused with the system's reason.
  const std::string dangling = folder.String() + "/dangling.ini";
  fs::create_symlink("sub/new.ini", dangling);
  fs::create_directory(folder.Path() / "sub");
  ASSERT_TRUE(WriteFileAtomically(dangling, Bytes("created")));
  EXPECT_TRUE(fs::is_symlink(dangling));
  EXPECT_EQ(Contents(folder.String() + "/sub/new.ini"), "created");
  fs::create_symlink("loop.ini", folder.Path() / "loop.ini");
  EXPECT_EQ(WriteFileAtomically(folder.String() + "/loop.ini", Bytes("x")).error, "Too many levels of symbolic links");
}

TEST(AtomicFile, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  const testing::CTempFolder folder;
  const std::string path = folder.String() + "/data.bin";
  ASSERT_TRUE(WriteFileAtomically(path, Bytes("old contents")));
  {
    const testing::CFileSizeLimit fullDisk(4);
    const FileWriteResult result = WriteFileAtomically(path, Bytes("much longer new contents"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "File too large");
  }
  EXPECT_EQ(Contents(path), "old contents");
  EXPECT_EQ(EntriesIn(folder.Path()), 1u);

  EXPECT_EQ(WriteFileAtomically(folder.String() + "/no such folder/x.bin", Bytes("x")).error,
            "No such file or directory");
}

TEST(AtomicFile, StagedFilesReachTheTargetOnlyWhenCommitted) {
  const testing::CTempFolder folder;
  const std::string first = folder.String() + "/a", second = folder.String() + "/b";
  ASSERT_TRUE(WriteFileAtomically(first, Bytes("old a")));
  {
    CStagedFile a(first), b(second);
    ASSERT_TRUE(a.Write(Bytes("new a")));
    ASSERT_TRUE(b.Write(Bytes("new b")));
    EXPECT_EQ(Contents(first), "old a");
    EXPECT_EQ(EntriesIn(folder.Path()), 3u);  // the old file and two temporaries
    ASSERT_TRUE(b.Commit());
  }  // a is dropped uncommitted: its temporary goes, the old file stays
  EXPECT_EQ(Contents(first), "old a");
  EXPECT_EQ(Contents(second), "new b");
  EXPECT_EQ(EntriesIn(folder.Path()), 2u);
}

}  // namespace
}  // namespace skrybon

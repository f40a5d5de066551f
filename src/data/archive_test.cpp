// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/archive.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "data/atomic_file.h"
#include "testing/temp_folder.h"

namespace skrybon {
namespace {

TEST(Archive, CountsInBothFormsAndNoReadPastTheEnd) {
  ArchiveWriter out;
  out.WriteCount(0xFFFE);
  out.WriteCount(0xFFFF);
  out.WriteCount(70000);
  const std::vector<std::uint8_t> bytes = out.Take();
  ASSERT_EQ(bytes.size(), 2u + 6u + 6u);
  ArchiveReader in(bytes);
  EXPECT_EQ(in.ReadCount(), 0xFFFEu);
  EXPECT_EQ(in.ReadCount(), 0xFFFFu);
  EXPECT_EQ(in.ReadCount(), 70000u);
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_THROW(in.ReadByte(), DataFormatError);

  // An escaped count whose 32-bit part is cut off is refused, not read on.
  const std::vector<std::uint8_t> cut = {0xFF, 0xFF, 0x01, 0x00};
  ArchiveReader shortIn(cut);
  EXPECT_THROW(shortIn.ReadCount(), DataFormatError);
  ArchiveReader few(cut);
  EXPECT_THROW(few.ReadBytes(5), DataFormatError);
  EXPECT_EQ(few.Remaining(), 4u);
}

// A missing file is told apart from one that is there but cannot be read; a
// pipe with no writer is refused at once instead of blocking the reader.
TEST(Archive, WholeFileReadsSayWhyTheyFail) {
  const testing::CTempFolder folder;
  const std::string base = folder.String() + "/";
  ASSERT_EQ(::mkfifo((base + "pipe").c_str(), 0600), 0);
  std::filesystem::create_directory(base + "folder");
  ASSERT_TRUE(WriteFileAtomically(base + "huge", {}));
  std::filesystem::resize_file(base + "huge", kLargestDataFile + 1);  // sparse: it takes no space
  ASSERT_TRUE(WriteFileAtomically(base + "small", std::vector<std::uint8_t>{1, 2, 3}));
  const struct {
    const char* name;
    FileReadFailure failure;
    const char* reason;
  } cases[] = {
      {"nothing", FileReadFailure::Missing, "No such file or directory"},
      {"small/under a file", FileReadFailure::Missing, "Not a directory"},
      {"folder", FileReadFailure::NotRegularFile, "Is a directory"},
      {"pipe", FileReadFailure::NotRegularFile, "not a regular file"},
      {"huge", FileReadFailure::TooLarge, "1073741825 bytes, more than a data file can hold (1073741824)"},
      {"small", FileReadFailure::None, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> read = {9};
    const FileReadResult result = ReadWholeFile(base + c.name, read);
    EXPECT_EQ(result.failure, c.failure);
    EXPECT_EQ(result.reason, c.reason);
    EXPECT_EQ(read.size(), result ? 3u : 0u);
  }
  // A file of exactly the limit is read; one byte more is too large.
  std::uint8_t room[3];
  std::size_t got = 0;
  const auto into = [&room](std::size_t) { return room; };
  EXPECT_TRUE(ReadWholeFileInto(base + "small", into, got, 3));
  EXPECT_EQ(ReadWholeFileInto(base + "small", into, got, 2).failure, FileReadFailure::TooLarge);
}

}  // namespace
}  // namespace skrybon

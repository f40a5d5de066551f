#include "data/archive.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "testing/temp_folder.h"

namespace skrybon {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

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

TEST(Archive, WholeFileWritesReplaceOrKeepTheOldFileNeverHalfOfIt) {
  const testing::CTempFolder folder;
  const std::string path = folder.String() + "/data.bin";
  ASSERT_TRUE(WriteWholeFile(path, Bytes("old contents")));
  ASSERT_TRUE(WriteWholeFile(path, Bytes("new")));
  std::vector<std::uint8_t> read;
  ASSERT_TRUE(ReadWholeFile(path, read));
  EXPECT_EQ(read, Bytes("new"));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp~"));

  // When the temporary cannot be written the old file stays as it was.
  std::filesystem::create_directory(path + ".tmp~");
  EXPECT_FALSE(WriteWholeFile(path, Bytes("lost")));
  ASSERT_TRUE(ReadWholeFile(path, read));
  EXPECT_EQ(read, Bytes("new"));

  EXPECT_FALSE(WriteWholeFile(folder.String() + "/no such folder/x.bin", Bytes("x")));

  // A file reached through a link is rewritten in place; the link stays.
  std::filesystem::create_directory(folder.Path() / "real");
  const std::string target = (folder.Path() / "real" / "settings.ini").string();
  ASSERT_TRUE(WriteWholeFile(target, Bytes("a=1")));
  const std::string link = folder.String() + "/settings.ini";
  std::filesystem::create_symlink(target, link);
  ASSERT_TRUE(WriteWholeFile(link, Bytes("a=2")));
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  ASSERT_TRUE(ReadWholeFile(target, read));
  EXPECT_EQ(read, Bytes("a=2"));
  // A folder is not a data file.
  EXPECT_FALSE(ReadWholeFile(folder.String(), read));
}

}  // namespace
}  // namespace skrybon

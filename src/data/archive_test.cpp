#include "data/archive.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(Archive, OnlyRegularFilesAreRead) {
  const testing::CTempFolder folder;
  std::vector<std::uint8_t> read;
  EXPECT_FALSE(ReadWholeFile(folder.String(), read));
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/file_buffer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <optional>

#include "testing/temp_folder.h"

namespace skrybon {
namespace {

std::string Pattern(std::size_t size, char seed) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(seed + i * 7 + i / 251);
  return s;
}

std::string Contents(const CFileBuffer& buffer) {
  const auto bytes = buffer.Bytes();
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// One buffer through a run of files, as the search reads a translation's
// books: each read gives exactly that file, whatever was read before it,
// also when the buffer has to grow and when a read fails.
TEST(FileBuffer, GivesEachFileWholeWhateverCameBefore) {
  const testing::CTempFolder temp;
  const std::string folder = temp.String();
  ASSERT_EQ(::mkfifo((folder + "/pipe").c_str(), 0600), 0);
  struct Step {
    const char* name;
    std::optional<std::string> contents;  // nullopt: no such file
    bool readable;
  };
  const Step steps[] = {
      {"exact", Pattern(4096, 'd'), true},  // fills the first capacity to the byte
      {"medium", Pattern(3000, 'a'), true},
      {"large", Pattern(300 * 1024 + 5, 'b'), true},  // grows several times, keeping what it read
      {"small", Pattern(10, 'c'), true},              // shorter than what the buffer holds
      {"missing", std::nullopt, false},
      {"empty", std::string(), true},
      {".", std::nullopt, false},     // a folder
      {"pipe", std::nullopt, false},  // must not wait for a writer
      {"larger", Pattern(700 * 1024, 'e'), true},
  };
  CFileBuffer buffer(4096);
  for (const Step& step : steps) {
    const std::string path = folder + "/" + step.name;
    if (step.contents) std::ofstream(path, std::ios::binary) << *step.contents;
    EXPECT_EQ(static_cast<bool>(buffer.Read(path)), step.readable) << step.name;
    EXPECT_EQ(Contents(buffer), step.contents.value_or("")) << step.name;
  }
}

}  // namespace
}  // namespace skrybon

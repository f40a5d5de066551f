// Fuzzes the book file reader: any bytes must decode or be refused with
// DataFormatError, and what decodes must write and read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/data_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skrybon;
  const std::span<const std::uint8_t> bytes(data, size);
  std::vector<std::string> strings;
  try {
    strings = ReadStringArray(bytes);
  } catch (const DataFormatError&) {
    // The check of a data folder must refuse the same bytes calmly.
    if (CheckBookBytes({{{0}}}, 0, bytes).empty()) std::abort();
    return 0;
  }
  if (ReadStringArray(WriteStringArray(strings)) != strings) std::abort();
  // The index names exactly one verse: the file must hold exactly one.
  const bool fits = strings.size() == 1;
  if (CheckBookBytes({{{0}}}, 0, bytes).empty() != fits) std::abort();
  return 0;
}

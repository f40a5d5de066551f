// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzzes the book file reader: any bytes must decode or be refused with
// DataFormatError, and what decodes must write and read back unchanged. The
// search's own split of plain strings must agree with the reader.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/data_check.h"
#include "search/text_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace skrybon;
  const std::span<const std::uint8_t> bytes(data, size);
  std::vector<std::string> strings;
  std::vector<std::uint32_t> starts, ends;
  const bool plain = FindPlainStrings(bytes, starts, ends);
  try {
    strings = ReadStringArray(bytes);
  } catch (const DataFormatError&) {
    if (plain) std::abort();
    // The check of a data folder must refuse the same bytes calmly.
    if (CheckBookBytes({{{0}}}, 0, bytes).empty()) std::abort();
    return 0;
  }
  if (ReadStringArray(WriteStringArray(strings)) != strings) std::abort();
  if (plain) {
    if (starts.size() != strings.size() || ends.size() != strings.size()) std::abort();
    for (std::size_t k = 0; k < strings.size(); ++k) {
      const std::string_view text(reinterpret_cast<const char*>(data) + starts[k], ends[k] - starts[k]);
      if (text != strings[k]) std::abort();
    }
  }
  // The index names exactly one verse: the file must hold exactly one.
  const bool fits = strings.size() == 1;
  if (CheckBookBytes({{{0}}}, 0, bytes).empty() != fits) std::abort();
  return 0;
}

// SPDX-License-Identifier: GPL-2.0-or-later
// Little-endian byte reading and writing in the framework's archive format
// used by the verse index and the book files. A reader never reads past its
// buffer: a short read throws DataFormatError.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/whole_file.h"  // ReadWholeFile, for the readers of data files

namespace skrybon {

// A data file that cannot be decoded. what() says why, in Polish (UTF-8 free,
// Windows-1250), without the file name; the caller adds the name.
class DataFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ArchiveReader {
 public:
  explicit ArchiveReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint8_t ReadByte();
  std::uint16_t ReadWord();
  std::uint32_t ReadDword();
  // A count: 16 bits, or 0xFFFF followed by the real count in 32 bits.
  std::uint32_t ReadCount();
  // The next n bytes; throws when fewer remain.
  std::span<const std::uint8_t> ReadBytes(std::size_t n);

  std::size_t Remaining() const { return bytes_.size() - pos_; }

 private:
  void Need(std::size_t n) const;
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

class ArchiveWriter {
 public:
  void WriteByte(std::uint8_t v) { bytes_.push_back(v); }
  void WriteWord(std::uint16_t v);
  void WriteDword(std::uint32_t v);
  // The count in its short form below 0xFFFF, otherwise the escaped long form.
  void WriteCount(std::uint32_t count);
  void WriteText(const std::string& text);

  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};


}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/archive.h"

#include "data/codepage.h"

namespace skrybon {

void ArchiveReader::Need(std::size_t n) const {
  if (n > Remaining()) throw DataFormatError(Cp("plik kończy się przedwcześnie"));
}

std::uint8_t ArchiveReader::ReadByte() {
  Need(1);
  return bytes_[pos_++];
}

std::uint16_t ArchiveReader::ReadWord() {
  Need(2);
  const std::uint16_t v = static_cast<std::uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

std::uint32_t ArchiveReader::ReadDword() {
  Need(4);
  const std::uint32_t v = static_cast<std::uint32_t>(bytes_[pos_]) |
                          (static_cast<std::uint32_t>(bytes_[pos_ + 1]) << 8) |
                          (static_cast<std::uint32_t>(bytes_[pos_ + 2]) << 16) |
                          (static_cast<std::uint32_t>(bytes_[pos_ + 3]) << 24);
  pos_ += 4;
  return v;
}

std::uint32_t ArchiveReader::ReadCount() {
  const std::uint16_t shortCount = ReadWord();
  return shortCount == 0xFFFF ? ReadDword() : shortCount;
}

std::span<const std::uint8_t> ArchiveReader::ReadBytes(std::size_t n) {
  Need(n);
  const auto out = bytes_.subspan(pos_, n);
  pos_ += n;
  return out;
}

void ArchiveWriter::WriteWord(std::uint16_t v) {
  bytes_.push_back(static_cast<std::uint8_t>(v & 0xFF));
  bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
}

void ArchiveWriter::WriteDword(std::uint32_t v) {
  WriteWord(static_cast<std::uint16_t>(v & 0xFFFF));
  WriteWord(static_cast<std::uint16_t>(v >> 16));
}

void ArchiveWriter::WriteCount(std::uint32_t count) {
  if (count < 0xFFFF) {
    WriteWord(static_cast<std::uint16_t>(count));
  } else {
    WriteWord(0xFFFF);
    WriteDword(count);
  }
}

void ArchiveWriter::WriteText(const std::string& text) {
  bytes_.insert(bytes_.end(), text.begin(), text.end());
}

}  // namespace skrybon

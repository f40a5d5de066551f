// SPDX-License-Identifier: GPL-2.0-or-later
#include "sword_data_check.h"

#include <filesystem>

#include "data/whole_file.h"

namespace skrybon::tool {
namespace {

// Far above any Bible's: the verse index of the longest versification is
// under 500 KB, a book's compressed block under 1 MB, a verse under 10 KB.
constexpr std::uintmax_t kLargestIndexFile = std::uintmax_t{16} << 20;
// The library's decoder allocates twenty times a block's stored size.
constexpr std::uint64_t kLargestStoredBlock = std::uint64_t{4} << 20;
constexpr std::uint64_t kLargestEntry = std::uint64_t{1} << 20;
constexpr std::size_t kBlockEntrySize = 12;  // start, stored size, size: 32 bits each

std::uint64_t ReadLittleEndian(const std::uint8_t* bytes, int width) {
  std::uint64_t value = 0;
  for (int i = width - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

std::variant<CSwordDataCheck, std::string> CSwordDataCheck::Open(const std::string& folder,
                                                                 const std::string& driver,
                                                                 SwordBlockDecoder decode) {
  const bool compressed = driver == "zText" || driver == "zText4";
  if (!compressed && driver != "RawText" && driver != "RawText4") {
    return "its storage " + driver + " is not one of a Bible text's (RawText, RawText4, zText, zText4)";
  }
  CSwordDataCheck check(compressed, driver.ends_with('4') ? 4 : 2, std::move(decode));
  check.testaments_[0].prefix = "ot";
  check.testaments_[1].prefix = "nt";
  for (Testament& testament : check.testaments_) {
    if (auto error = check.OpenTestament(folder, testament)) return *error;
  }
  return check;
}

std::optional<std::string> CSwordDataCheck::OpenTestament(const std::string& folder, Testament& testament) {
  const std::filesystem::path base = std::filesystem::path(folder) / testament.prefix;
  const std::string indexPath = base.string() + (compressed_ ? ".bzv" : ".vss");
  const std::string dataPath = base.string() + (compressed_ ? ".bzz" : "");
  auto readIndex = [](const std::string& path, std::vector<std::uint8_t>& bytes) -> std::optional<std::string> {
    std::size_t got = 0;
    const auto read = ReadWholeFileInto(
        path, [&](std::size_t size) { return (bytes.resize(size), bytes.data()); }, got, kLargestIndexFile);
    bytes.resize(got);
    if (read || read.Missing()) return std::nullopt;
    return "cannot read " + path + ": " +
           (read.failure == FileReadFailure::TooLarge ? "larger than any Bible's index" : read.reason);
  };
  if (auto error = readIndex(indexPath, testament.index)) return error;
  testament.indexMissing = testament.index.empty();
  if (compressed_) {
    std::vector<std::uint8_t> blockIndex;
    if (auto error = readIndex(base.string() + ".bzs", blockIndex)) return error;
    for (std::size_t at = 0; at + kBlockEntrySize <= blockIndex.size(); at += kBlockEntrySize) {
      testament.blocks.push_back({.start = ReadLittleEndian(&blockIndex[at], 4),
                                  .storedSize = ReadLittleEndian(&blockIndex[at + 4], 4),
                                  .size = ReadLittleEndian(&blockIndex[at + 8], 4)});
    }
  }
  std::error_code ec;
  const auto size = std::filesystem::file_size(dataPath, ec);
  testament.dataSize = ec ? 0 : size;
  testament.data.open(dataPath, std::ios::binary);
  return std::nullopt;
}

const CSwordDataCheck::Block& CSwordDataCheck::CheckedBlock(Testament& testament, std::uint64_t number) {
  Block& block = testament.blocks[number];
  if (block.state != Block::State::Unchecked) return block;
  const std::string name = "block " + std::to_string(number) + " of " + testament.prefix + ".bzz";
  block.state = Block::State::Bad;
  if (block.start > testament.dataSize || block.storedSize > testament.dataSize - block.start) {
    block.problem = name + " lies past the end of the file";
  } else if (block.storedSize > kLargestStoredBlock) {
    block.problem = name + " is larger than any Bible's (" + std::to_string(block.storedSize) + " bytes)";
  } else {
    std::string stored(block.storedSize, '\0');
    testament.data.clear();
    testament.data.seekg(static_cast<std::streamoff>(block.start));
    testament.data.read(stored.data(), static_cast<std::streamsize>(stored.size()));
    const auto text = testament.data ? decode_(std::move(stored)) : std::nullopt;
    // An old module may not declare the size (0).
    if (!text || (block.size != 0 && text->size() != block.size)) {
      block.problem = name + " does not decompress with the module's CompressType";
    } else {
      block.state = Block::State::Good;
      block.textEnd = std::min<std::uint64_t>(text->find('\0'), text->size());
    }
  }
  return block;
}

SwordEntry CSwordDataCheck::Look(int testamentNumber, long index) {
  Testament& testament = testaments_[testamentNumber == 1 ? 0 : 1];
  const std::size_t entrySize = (compressed_ ? 8 : 4) + static_cast<std::size_t>(sizeBytes_);
  const auto at = static_cast<std::size_t>(index) * entrySize;
  SwordEntry entry;
  if (index < 0 || at + entrySize > testament.index.size()) {
    if (testament.indexMissing) return entry;
    entry.state = SwordEntry::State::Damaged;
    entry.place = {UINT64_MAX, static_cast<std::uint64_t>(index), 0};  // each verse its own
    entry.problem = testament.prefix + (compressed_ ? ".bzv" : ".vss") + " ends before this verse";
    return entry;
  }
  const std::uint8_t* bytes = &testament.index[at];
  const std::uint64_t block = compressed_ ? ReadLittleEndian(bytes, 4) : 0;
  const std::uint64_t start = ReadLittleEndian(bytes + (compressed_ ? 4 : 0), 4);
  const std::uint64_t size = ReadLittleEndian(bytes + (compressed_ ? 8 : 4), sizeBytes_);
  entry.place = {block, start, size};
  if (size == 0) return entry;
  entry.state = SwordEntry::State::Damaged;
  if (size > kLargestEntry) {
    entry.problem = "an entry of " + std::to_string(size) + " bytes, more than any verse";
  } else if (!compressed_) {
    if (start > testament.dataSize || size > testament.dataSize - start) {
      entry.problem = "points past the end of " + testament.prefix;
    } else {
      entry.state = SwordEntry::State::Readable;
    }
  } else if (block >= testament.blocks.size()) {
    entry.problem = "names block " + std::to_string(block) + ", which " + testament.prefix + ".bzs does not have";
  } else if (const Block& checked = CheckedBlock(testament, block); checked.state == Block::State::Bad) {
    entry.problem = checked.problem;
  } else if (start > checked.textEnd || size > checked.textEnd - start) {
    entry.problem = "points past the end of the text of block " + std::to_string(block) + " of " +
                    testament.prefix + ".bzz";
  } else {
    entry.state = SwordEntry::State::Readable;
  }
  return entry;
}

}  // namespace skrybon::tool

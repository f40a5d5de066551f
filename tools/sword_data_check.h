// SPDX-License-Identifier: GPL-2.0-or-later
// Checks the entries of a SWORD Bible module's data files before the SWORD
// library reads them. The library trusts every offset and size it finds: an
// entry pointing 2 GB into a 2 MB file makes it allocate and decompress 2 GB.
// Here each verse entry is looked up in the module's own index files and
// found readable only when it lies inside its data file, its compressed
// block (if any) decompresses to the size the block index declares, and
// every size stays within what a Bible text can need.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace skrybon::tool {

// A verse entry of a module: not there (the module lacks the verse), there
// and safe to read, or damaged (with the reason, in English like the tool's
// other messages).
struct SwordEntry {
  enum class State { Absent, Readable, Damaged };
  State state = State::Absent;
  std::string problem;
  // Where the text lies (block, start, size): two verses with the same place
  // are one linked entry.
  std::array<std::uint64_t, 3> place{};
};

// Turns a compressed block's stored bytes into its text; nullopt when they
// do not decompress.
using SwordBlockDecoder = std::function<std::optional<std::string>(std::string stored)>;

class CSwordDataCheck {
 public:
  // Opens the index files of the module in `folder` stored by `driver`
  // (RawText, RawText4, zText, zText4); zText modules need `decode`. Gives
  // the reason when the module cannot be checked at all: another driver, or
  // an index file that cannot be read or is larger than any Bible's.
  static std::variant<CSwordDataCheck, std::string> Open(const std::string& folder, const std::string& driver,
                                                         SwordBlockDecoder decode);

  // The entry of the verse at `index` of testament 1 (Old) or 2 (New), in the
  // numbering of the module's index files. The first look at a block
  // decompresses it once.
  SwordEntry Look(int testament, long index);

 private:
  struct Block {
    std::uint64_t start = 0, storedSize = 0, size = 0;
    enum class State { Unchecked, Good, Bad } state = State::Unchecked;
    std::uint64_t textEnd = 0;  // where the text stops: its size or its first NUL byte
    std::string problem;
  };
  struct Testament {
    std::string prefix;  // "ot", "nt"
    std::vector<std::uint8_t> index;  // the verse index file
    bool indexMissing = true;         // absent or empty: the module lacks the testament
    std::uint64_t dataSize = 0;
    std::ifstream data;
    std::vector<Block> blocks;
  };

  CSwordDataCheck(bool compressed, int sizeBytes, SwordBlockDecoder decode)
      : compressed_(compressed), sizeBytes_(sizeBytes), decode_(std::move(decode)) {}
  std::optional<std::string> OpenTestament(const std::string& folder, Testament& testament);
  const Block& CheckedBlock(Testament& testament, std::uint64_t number);

  bool compressed_;
  int sizeBytes_;  // 2 or 4: the width of an entry's size
  SwordBlockDecoder decode_;
  std::array<Testament, 2> testaments_;
};

}  // namespace skrybon::tool

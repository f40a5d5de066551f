// SPDX-License-Identifier: GPL-2.0-or-later
// Fast primitives of the whole-book search: the verses of a book file found
// where they lie in its bytes, and a substring finder prepared once per word
// that can ignore letter case while it scans, so that the text itself is
// never lower-cased or copied. Both work on whole books at a time, the finder
// 16 or 32 bytes per step where the processor allows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skrybon {

// Finds the strings of a book file (a serialised string array) where they lie
// in bytes: string k is bytes [starts[k], ends[k]). Returns false, leaving
// starts and ends unspecified, when a string is stored as UTF-16 or the bytes
// cannot be decoded; ForEachString tells those two apart. When it returns
// true the ranges are exactly the strings ForEachString visits.
bool FindPlainStrings(std::span<const std::uint8_t> bytes, std::vector<std::uint32_t>& starts,
                      std::vector<std::uint32_t>& ends);

class CSubstringFinder {
 public:
  // With foldCase the needle is lower-cased here (Cp1250Lower) and Find
  // looks for it in the text as if the text were lower-cased too.
  explicit CSubstringFinder(std::string_view needle = {}, bool foldCase = false);

  // The needle as it is looked for: lower-cased when folding case.
  const std::string& Needle() const { return needle_; }

  // Position of the first occurrence of the needle in text at or after from,
  // or std::string_view::npos; an empty needle is found at from. Folding
  // maps one byte to one byte, so positions are those of the text as given.
  std::size_t Find(std::string_view text, std::size_t from = 0) const;

 private:
  bool MatchesAt(const char* at) const;
  // The first occurrence at or after i among the candidates of whole blocks
  // of 16 (FindInBlocks16) or 32 bytes; npos with i moved past the last
  // block that fits when there is none there.
  std::size_t FindInBlocks16(const char* data, std::size_t n, std::size_t& i) const;
  std::size_t FindInBlocks32(const char* data, std::size_t n, std::size_t& i) const;

  std::string needle_;
  bool foldCase_ = false;
  // The bytes of the text that match the needle's first and last byte (a
  // capital and its small letter, or the same byte twice); vectorised_ is
  // false when a byte has more such bytes than these hold.
  std::array<char, 2> firstBytes_{};
  std::array<char, 2> lastBytes_{};
  bool vectorised_ = true;
  // Whether the processor takes 32 bytes per step.
  bool wide_ = false;
};

}  // namespace skrybon

// Fast primitives of the whole-book search: letter case folding of a buffer
// (the same result as Cp1250LowerInPlace) and a substring finder prepared
// once per word. Both work on whole books at a time, 16 bytes per step where
// the processor allows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skrybon {

// Lower-cases Windows-1250 text in place, exactly as Cp1250LowerInPlace.
void FoldCp1250InPlace(char* text, std::size_t size);

class CSubstringFinder {
 public:
  explicit CSubstringFinder(std::string needle = {}) : needle_(std::move(needle)) {}

  const std::string& Needle() const { return needle_; }

  // Position of the first occurrence of the needle in text at or after from,
  // or std::string_view::npos; an empty needle is found at from.
  std::size_t Find(std::string_view text, std::size_t from = 0) const;

 private:
  std::string needle_;
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The verses found by the last search delivered to one reading window: for
// each found verse its book, its entry number in the book file and its label
// ("1 Mojżeszowa 1:1"), in Bible order; the four words of that search; and
// the index of the found verse shown last. Plain data, Windows-1250 strings.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace skrybon {

class CFoundVerseList {
 public:
  static constexpr int kWordCount = 4;

  // Appends one found verse (book 0..255, entry number of the book file).
  void Add(int book, std::uint32_t entry, std::string label);

  // Empties the found verses and the words; the current index is kept.
  void Clear();

  int GetCount() const { return static_cast<int>(books_.size()); }
  // Element i; the caller keeps 0 <= i < GetCount().
  int GetBook(int i) const { return books_[static_cast<std::size_t>(i)]; }
  std::uint32_t GetEntry(int i) const { return entries_[static_cast<std::size_t>(i)]; }
  const std::string& GetLabel(int i) const { return labels_[static_cast<std::size_t>(i)]; }

  // The found verse shown last; meaningful only while the list is not empty.
  int GetCurrent() const { return current_; }
  void SetCurrent(int i) { current_ = i; }

  // The search words in screen order (n = 0 is word 1), trimmed, case as typed.
  const std::string& GetWord(int n) const { return words_[static_cast<std::size_t>(n)]; }
  void SetWords(const std::array<std::string, kWordCount>& words) { words_ = words; }

 private:
  int current_ = 0;
  std::array<std::string, kWordCount> words_;
  std::vector<std::string> labels_;
  std::vector<std::uint32_t> entries_;
  std::vector<std::uint8_t> books_;
};

}  // namespace skrybon

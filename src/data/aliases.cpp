// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/aliases.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "data/codepage.h"
#include "data/whole_file.h"

namespace skrybon {
namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";
constexpr std::string_view kNumberChars = "0123456789 ";
// Separators of names inside an alias list.
constexpr std::string_view kAliasSeparators = ",.?\":!";

// Blank, full stop and the 32 lower-case letters of the Polish alphabet.
const std::string& NameChars() {
  static const std::string chars = Cp(" .aąbcćdeęfghijklłmnńoóprsśtuwyzźż");
  return chars;
}

std::string_view Trim(std::string_view s, std::string_view what = kWhiteSpace) {
  const auto first = s.find_first_not_of(what);
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(what);
  return s.substr(first, last - first + 1);
}

std::string_view TrimLeft(std::string_view s) {
  const auto first = s.find_first_not_of(kWhiteSpace);
  return first == std::string_view::npos ? std::string_view{} : s.substr(first);
}

std::string RemoveAll(std::string_view s, char what) {
  std::string out;
  out.reserve(s.size());
  for (const char c : s) {
    if (c != what) out += c;
  }
  return out;
}

// atoi without its undefined behaviour: white space, a sign, digits;
// saturates instead of overflowing; no digits gives 0.
int LeadingNumber(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long long value = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > INT_MAX) value = INT_MAX;
  }
  return static_cast<int>(negative ? -value : value);
}

// Whether one of the names of an alias list is exactly key.
bool AliasEquals(std::string_view entry, std::string_view key) {
  while (true) {
    const auto end = entry.find_first_of(kAliasSeparators);
    if (entry.substr(0, end) == key) return true;
    if (end == std::string_view::npos) return false;
    entry.remove_prefix(end + 1);
  }
}

// Whether key begins one of the names of an alias list.
bool AliasMatches(std::string_view entry, std::string_view key) {
  auto p = entry.find(key);
  if (p == 0) return true;
  while (p != std::string_view::npos && p >= 1) {
    if (kAliasSeparators.find(entry[p - 1]) != std::string_view::npos) return true;
    entry = entry.substr(p + key.size());
    p = entry.find(key);
  }
  return false;
}

}  // namespace

CAliasTable::CAliasTable(TranslationId id) : id_(id) {
  for (int b = 0; b < BookCount(id_); ++b) {
    std::string key = RemoveAll(BookFullName(id_, b), ' ');
    Cp1250LowerInPlace(key);
    fullNameKeys_.push_back(std::move(key));
  }
}

void CAliasTable::SetFromText(std::string_view fileText) {
  entries_.clear();
  // Lines beyond the last book name no book; they are not kept, so that a
  // huge file of short lines cannot fill the memory with unused entries.
  const auto books = static_cast<std::size_t>(BookCount(id_));
  while (!fileText.empty() && entries_.size() < books) {
    const auto end = fileText.find('\n');
    std::string_view line = fileText.substr(0, end);
    fileText = end == std::string_view::npos ? std::string_view{} : fileText.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find(';') != std::string_view::npos) continue;
    const auto comma = line.find(',');
    if (comma == std::string_view::npos) continue;
    std::string list = RemoveAll(line.substr(comma + 1), ' ');
    Cp1250LowerInPlace(list);
    entries_.push_back(std::move(list));
  }
}

std::optional<std::string> CAliasTable::Load(const std::string& folder) {
  entries_.clear();
  const std::string fileName = AliasFileName(id_);
  std::vector<std::uint8_t> bytes;
  const auto read = ReadWholeFile(folder + "/" + fileName, bytes);
  if (read.Missing()) {
    return Cp("Nie mogę odnaleźć pliku: '") + fileName +
           Cp("'!\nJest to plik z nazwami ksiąg w ") + TranslationGenitive(id_) +
           Cp(" i musi się znajdować w głównym folderze programu!\nProgram") +
           std::string(AliasMessageGap(id_)) + Cp("nie będzie rozwiązywał nazw ksiąg.");
  }
  if (!read) {
    return Cp("Nie mogę odczytać pliku: '") + fileName + "' (" + ReadFailureInPolish(read) +
           Cp(")!\nJest to plik z nazwami ksiąg w ") + TranslationGenitive(id_) + Cp(".\nProgram") +
           std::string(AliasMessageGap(id_)) + Cp("nie będzie rozwiązywał nazw ksiąg.");
  }
  SetFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return std::nullopt;
}

std::optional<CAliasTable::Split> CAliasTable::SplitTyped(std::string_view lowered) {
  const auto numberEnd = std::min(lowered.find_first_not_of(kNumberChars), lowered.size());
  const std::string_view numberPart = lowered.substr(0, numberEnd);
  const std::string_view rest = lowered.substr(numberEnd);
  const auto nameEnd = std::min(rest.find_first_not_of(NameChars()), rest.size());
  const std::string_view name = Trim(rest.substr(0, nameEnd));
  if (name.empty()) return std::nullopt;

  Split split;
  split.key = std::string(Trim(numberPart)) + RemoveAll(name, '.');
  const std::string_view tail = TrimLeft(rest.substr(name.size()));
  // Chapter and verse are parted by a blank, a colon or a comma ("13,4", "13, 4").
  const auto chapterEnd = std::min(tail.find_first_of(" :,"), tail.size());
  const std::string_view chapterText = Trim(tail.substr(0, chapterEnd));
  const std::string verseText = RemoveAll(tail.substr(chapterEnd), ':');
  const std::string_view verseNumber = Trim(verseText, " \t\r\n,");

  const int typedChapter = LeadingNumber(chapterText);
  const int typedVerse = LeadingNumber(verseNumber);
  if (typedChapter >= 0) split.chapter = typedChapter - 1;
  if (typedVerse >= 0) split.verse = typedVerse - 1;
  return split;
}

int CAliasTable::FindBook(const std::string& key) const {
  // A key made only of full stops names nothing (it would begin every alias).
  if (key.empty()) return -1;
  // Lines beyond the translation's last book name no book.
  const int books = std::min(static_cast<int>(entries_.size()), BookCount(id_));
  // A name that is the key itself wins over one the key only begins, so
  // that "j" finds the book called "J" even when an earlier one is "Joz".
  for (int k = 0; k < books; ++k) {
    const auto at = static_cast<std::size_t>(k);
    if (key == fullNameKeys_[at] || AliasEquals(entries_[at], key)) return k;
  }
  for (int k = 0; k < books; ++k) {
    if (AliasMatches(entries_[static_cast<std::size_t>(k)], key)) return k;
  }
  return -1;
}

std::optional<TypedPlace> CAliasTable::Parse(std::string_view typed) const {
  if (entries_.empty()) return std::nullopt;
  std::string lowered(Trim(typed));
  Cp1250LowerInPlace(lowered);
  const std::optional<Split> split = SplitTyped(lowered);
  if (!split) return std::nullopt;
  const int book = FindBook(split->key);
  if (book < 0) return std::nullopt;
  return TypedPlace{book, split->chapter, split->verse};
}

int CAliasTable::ParseReference(std::string& text, int& chapter, int& verse) const {
  if (entries_.empty()) return -1;
  text = std::string(Trim(text));
  Cp1250LowerInPlace(text);
  chapter = -1;
  verse = -1;
  const std::optional<Split> split = SplitTyped(text);
  if (!split) return -1;
  text = split->key;
  chapter = split->chapter;
  verse = split->verse;
  return FindBook(text);
}

}  // namespace skrybon

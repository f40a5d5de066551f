#include "reading/book_mapping.h"

#include <array>

namespace skrybon {
namespace {

constexpr int kShortCanon = 66;
constexpr int kLongCanon = 73;
constexpr int kNone = -1;

// Book of the 73-book canon for each book of the 66-book canon.
constexpr std::array<int, kShortCanon> kShortToLong = [] {
  std::array<int, kShortCanon> table{};
  for (int b = 0; b < 16; ++b) table[b] = b;
  constexpr std::array<int, 10> middle = {18, 21, 22, 23, 24, 25, 28, 29, 30, 32};
  for (int i = 0; i < 10; ++i) table[16 + i] = middle[i];
  for (int b = 26; b < kShortCanon; ++b) table[b] = b + 7;
  return table;
}();

// The inverse table; kNone for the seven books only the long canon has.
constexpr std::array<int, kLongCanon> kLongToShort = [] {
  std::array<int, kLongCanon> table{};
  for (int& entry : table) entry = kNone;
  for (int b = 0; b < kShortCanon; ++b) table[kShortToLong[b]] = b;
  return table;
}();

bool IsLongCanon(TranslationId id) { return BookCount(id) == kLongCanon; }

}  // namespace

std::optional<int> MapBook(TranslationId from, TranslationId to, int book) {
  if (book < 0 || book >= BookCount(from)) return std::nullopt;
  if (IsLongCanon(from) == IsLongCanon(to)) return book;
  if (IsLongCanon(to)) return kShortToLong[book];
  const int mapped = kLongToShort[book];
  if (mapped == kNone) return std::nullopt;
  return mapped;
}

}  // namespace skrybon

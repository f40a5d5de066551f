// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/book_ids.h"
#include "data/codepage.h"

#include <array>

namespace skrybon {
namespace {

// Every book of the 73-book list, in BT's order, with its OSIS name and
// Zefania number; `protestant` is its place in the 66-book list or -1.
struct BookId {
  std::string_view osis;
  int zefania;
  int protestant;
};

constexpr std::array<BookId, 73> kBooks = {{
    {"Gen", 1, 0},     {"Exod", 2, 1},    {"Lev", 3, 2},     {"Num", 4, 3},     {"Deut", 5, 4},
    {"Josh", 6, 5},    {"Judg", 7, 6},    {"Ruth", 8, 7},    {"1Sam", 9, 8},    {"2Sam", 10, 9},
    {"1Kgs", 11, 10},  {"2Kgs", 12, 11},  {"1Chr", 13, 12},  {"2Chr", 14, 13},  {"Ezra", 15, 14},
    {"Neh", 16, 15},   {"Tob", 69, -1},   {"Jdt", 67, -1},   {"Esth", 17, 16},  {"1Macc", 72, -1},
    {"2Macc", 73, -1}, {"Job", 18, 17},   {"Ps", 19, 18},    {"Prov", 20, 19},  {"Eccl", 21, 20},
    {"Song", 22, 21},  {"Wis", 68, -1},   {"Sir", 70, -1},   {"Isa", 23, 22},   {"Jer", 24, 23},
    {"Lam", 25, 24},   {"Bar", 71, -1},   {"Ezek", 26, 25},  {"Dan", 27, 26},   {"Hos", 28, 27},
    {"Joel", 29, 28},  {"Amos", 30, 29},  {"Obad", 31, 30},  {"Jonah", 32, 31}, {"Mic", 33, 32},
    {"Nah", 34, 33},   {"Hab", 35, 34},   {"Zeph", 36, 35},  {"Hag", 37, 36},   {"Zech", 38, 37},
    {"Mal", 39, 38},   {"Matt", 40, 39},  {"Mark", 41, 40},  {"Luke", 42, 41},  {"John", 43, 42},
    {"Acts", 44, 43},  {"Rom", 45, 44},   {"1Cor", 46, 45},  {"2Cor", 47, 46},  {"Gal", 48, 47},
    {"Eph", 49, 48},   {"Phil", 50, 49},  {"Col", 51, 50},   {"1Thess", 52, 51}, {"2Thess", 53, 52},
    {"1Tim", 54, 53},  {"2Tim", 55, 54},  {"Titus", 56, 55}, {"Phlm", 57, 56},  {"Heb", 58, 57},
    {"Jas", 59, 58},   {"1Pet", 60, 59},  {"2Pet", 61, 60},  {"1John", 62, 61}, {"2John", 63, 62},
    {"3John", 64, 63}, {"Jude", 65, 64},  {"Rev", 66, 65},
}};

// Older spellings some OSIS files use, with the standard name they stand for.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kOsisVariants = {{
    {"Pss", "Ps"}, {"Sirach", "Sir"}, {"Tobit", "Tob"},
}};

// The book's number in the translation, given its place in the 73-book list.
int BookInTranslation(TranslationId id, int bt) {
  return id == TranslationId::BT ? bt : kBooks[static_cast<std::size_t>(bt)].protestant;
}

}  // namespace

int BookFromOsisId(TranslationId id, std::string_view osisBook) {
  for (const auto& [variant, standard] : kOsisVariants) {
    if (AsciiEqualNoCase(osisBook, variant)) osisBook = standard;
  }
  for (std::size_t bt = 0; bt < kBooks.size(); ++bt) {
    if (AsciiEqualNoCase(kBooks[bt].osis, osisBook)) return BookInTranslation(id, static_cast<int>(bt));
  }
  return -1;
}

std::string_view OsisIdOfBook(TranslationId id, int book) {
  if (book < 0 || book >= BookCount(id)) return {};
  const int bt = id == TranslationId::BT ? book : BtBookFromProtestant(book);
  return kBooks[static_cast<std::size_t>(bt)].osis;
}

int BookFromZefaniaNumber(TranslationId id, int bnumber) {
  for (std::size_t bt = 0; bt < kBooks.size(); ++bt) {
    if (kBooks[bt].zefania == bnumber) return BookInTranslation(id, static_cast<int>(bt));
  }
  return -1;
}

int BtBookFromProtestant(int book) {
  for (std::size_t bt = 0; bt < kBooks.size(); ++bt) {
    if (book >= 0 && kBooks[bt].protestant == book) return static_cast<int>(bt);
  }
  return -1;
}

int ProtestantBookFromBt(int book) {
  if (book < 0 || book >= static_cast<int>(kBooks.size())) return -1;
  return kBooks[static_cast<std::size_t>(book)].protestant;
}

}  // namespace skrybon

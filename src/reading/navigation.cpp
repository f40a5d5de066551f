// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/navigation.h"

#include <algorithm>

namespace skrybon {

namespace {

// A number taken into 0..count-1 (0 when the count is empty).
int IntoRange(int value, int count) { return std::clamp(value, 0, std::max(count, 1) - 1); }

VerseRef PlaceIn(const CTranslationIndex& index, int book, int chapter, int verse) {
  const int c = IntoRange(chapter, index.GetChapterCount(book));
  return {book, c, IntoRange(verse, index.GetVerseCount(book, c))};
}

}  // namespace

int LastBook(const CTranslationIndex& index) {
  const int held = static_cast<int>(index.Index().size());
  return std::min(BookCount(index.Id()), held) - 1;
}

std::optional<VerseRef> StepPlace(const CTranslationIndex& index, StepCommand step, const VerseRef& current) {
  const auto [b, c, v] = current;
  if (index.Index().empty()) return std::nullopt;
  switch (step) {
    case StepCommand::NextChapter:
      if (c >= index.GetChapterCount(b) - 1) return std::nullopt;
      return PlaceIn(index, b, c + 1, v);
    case StepCommand::PrevChapter:
      if (c < 1) return std::nullopt;
      return PlaceIn(index, b, c - 1, v);
    case StepCommand::NextBook:
      if (b >= LastBook(index)) return std::nullopt;
      return PlaceIn(index, b + 1, c, v);
    case StepCommand::PrevBook:
      if (b < 1) return std::nullopt;
      return PlaceIn(index, b - 1, c, v);
  }
  return std::nullopt;
}

std::optional<TypedPlace> ResolveTypedText(const CTranslationIndex* index, std::string_view text) {
  if (index == nullptr || text.empty()) return std::nullopt;
  const std::optional<TypedPlace> typed = index->AliasTable().Parse(text);
  if (!typed || typed->book > LastBook(*index)) return std::nullopt;
  const int book = typed->book;
  TypedPlace place{book, -1, -1};
  if (typed->chapter >= 0) {
    place.chapter = std::min(typed->chapter, std::max(index->GetChapterCount(book), 1) - 1);
    if (typed->verse >= 0)
      place.verse = std::min(typed->verse, std::max(index->GetVerseCount(book, place.chapter), 1) - 1);
  }
  return place;
}

int ReadPlaceNumber(std::string_view text, int count) {
  const int last = std::max(count, 1);
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return last;
  const auto end = text.find_last_not_of(' ');
  text = text.substr(first, end - first + 1);
  long long value = 0;
  for (const char ch : text) {
    if (ch < '0' || ch > '9') return last;
    value = value * 10 + (ch - '0');
    if (value > last) return last;
  }
  return value == 0 ? last : static_cast<int>(value);
}

int StepBookSelection(int selected, int bookCount, int steps) {
  if (selected < 0 || bookCount <= 0) return -1;
  return std::clamp(selected + steps, 0, bookCount - 1);
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The places a reading window has shown, most recent first: at most six
// entries, never two with the same book, chapter and verse; showing a place
// that is already listed moves it to the head. Also the menu of earlier
// places that the navigation bar's history button pops up.
#pragma once

#include <cstddef>
#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation.h"

namespace skrybon {

// One shown place and its menu text (Windows-1250).
class CHistoryEntry {
 public:
  CHistoryEntry(std::string text, int book, int chapter, int verse)
      : verse_(verse), chapter_(chapter), book_(book), text_(std::move(text)) {}

  int GetVerse() const { return verse_; }
  int GetChapter() const { return chapter_; }
  int GetBook() const { return book_; }
  const std::string& GetText() const { return text_; }
  VerseRef GetPlace() const { return {book_, chapter_, verse_}; }

 private:
  int verse_;
  int chapter_;
  int book_;
  std::string text_;
};

class CPlaceHistory {
 public:
  static constexpr std::size_t kMaxEntries = 6;

  // Puts the place at the head; an entry with the same place is dropped first,
  // and the oldest entry goes when more than kMaxEntries remain.
  void AddPlace(std::string text, int book, int chapter, int verse);

  std::size_t Size() const { return entries_.size(); }
  bool Empty() const { return entries_.empty(); }
  // Head (most recent) first.
  const std::list<CHistoryEntry>& Entries() const { return entries_; }

 private:
  std::list<CHistoryEntry> entries_;
};

// The history text of a place title: a tab goes before the first "(" unless
// the title begins with it, so that a menu shows the translation code
// right-aligned ("1 Moj. 1:1  (BG)" -> "1 Moj. 1:1  \t(BG)").
std::string HistoryEntryText(std::string_view placeTitle);

// The menu of earlier places: every entry except the head (the place being
// shown), each with its 1-based position in the history as id; and the places
// of all entries, head included, as they stood when the menu was built.
struct HistoryMenu {
  struct Item {
    int id = 0;
    std::string text;
  };
  std::vector<Item> items;
  std::vector<VerseRef> places;

  // The place of a chosen id; nullopt for 0 (nothing chosen) or an unknown id.
  std::optional<VerseRef> PlaceOf(int id) const;
};

HistoryMenu BuildHistoryMenu(const CPlaceHistory& history);

}  // namespace skrybon

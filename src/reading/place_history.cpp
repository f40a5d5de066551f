// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/place_history.h"

#include <algorithm>

namespace skrybon {

void CPlaceHistory::AddPlace(std::string text, int book, int chapter, int verse) {
  const auto same = std::find_if(entries_.begin(), entries_.end(), [&](const CHistoryEntry& e) {
    return e.GetBook() == book && e.GetChapter() == chapter && e.GetVerse() == verse;
  });
  if (same != entries_.end()) entries_.erase(same);
  entries_.emplace_front(std::move(text), book, chapter, verse);
  while (entries_.size() > kMaxEntries) entries_.pop_back();
}

std::string HistoryEntryText(std::string_view placeTitle) {
  std::string text(placeTitle);
  const auto paren = text.find('(');
  if (paren != std::string::npos && paren > 0) text.insert(paren, 1, '\t');
  return text;
}

std::optional<VerseRef> HistoryMenu::PlaceOf(int id) const {
  if (id < 1 || static_cast<std::size_t>(id) > places.size()) return std::nullopt;
  return places[static_cast<std::size_t>(id - 1)];
}

HistoryMenu BuildHistoryMenu(const CPlaceHistory& history) {
  HistoryMenu menu;
  int id = 1;
  for (const CHistoryEntry& entry : history.Entries()) {
    if (id > 1) menu.items.push_back({id, entry.GetText()});
    menu.places.push_back(entry.GetPlace());
    ++id;
  }
  return menu;
}

}  // namespace skrybon

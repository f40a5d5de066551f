// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/found_verse_list.h"

#include <utility>

namespace skrybon {

void CFoundVerseList::Add(int book, std::uint32_t entry, std::string label) {
  books_.push_back(static_cast<std::uint8_t>(book));
  entries_.push_back(entry);
  labels_.push_back(std::move(label));
}

void CFoundVerseList::Clear() {
  books_.clear();
  entries_.clear();
  labels_.clear();
  for (std::string& word : words_) word.clear();
}

}  // namespace skrybon

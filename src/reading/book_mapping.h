// SPDX-License-Identifier: GPL-2.0-or-later
// Book numbers between the translations of 66 books (BG, BW) and the one of
// 73 books (BT), which places seven further books among the others. Chapter
// and verse numbers are the same in every translation.
#pragma once

#include <optional>

#include "data/translation.h"

namespace skrybon {

// The book of `to` that corresponds to `book` of `from`: the same number
// between BG and BW and within one translation, through the fixed tables
// between 66 and 73 books. nullopt for a book outside `from` and for the BT
// books that BG and BW do not have.
std::optional<int> MapBook(TranslationId from, TranslationId to, int book);

// Whether a window of `from` showing `book` can open the same place in `to`.
inline bool CanCompareBook(TranslationId from, TranslationId to, int book) {
  return MapBook(from, to, book).has_value();
}

}  // namespace skrybon

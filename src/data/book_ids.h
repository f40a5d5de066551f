// SPDX-License-Identifier: GPL-2.0-or-later
// Standard book identifiers of Bible exchange formats and where each book
// stands in a translation's own book list: OSIS book names ("Gen", "1Cor"…)
// and Zefania book numbers (1-66 and the deuterocanonical numbers), plus the
// correspondence between the 66-book list of BG/BW and the 73-book list of BT.
#pragma once

#include <string_view>

#include "data/translation.h"

namespace skrybon {

// The translation's book number of an OSIS book name (case-insensitive), or
// -1 when the name is unknown or the translation has no such book.
int BookFromOsisId(TranslationId id, std::string_view osisBook);

// The OSIS book name of a translation's book ("" outside the list).
std::string_view OsisIdOfBook(TranslationId id, int book);

// The translation's book number of a Zefania book number, or -1.
int BookFromZefaniaNumber(TranslationId id, int bnumber);

// BT's book number of a BG/BW book (0-65 → 0-72), or -1 outside 0-65.
int BtBookFromProtestant(int book);

// BG/BW's book number of a BT book, or -1 for the seven books BG/BW lack.
int ProtestantBookFromBt(int book);

}  // namespace skrybon

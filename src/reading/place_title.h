// SPDX-License-Identifier: GPL-2.0-or-later
// The title a reading window shows for its place: the book's abbreviation,
// chapter and verse counted from 1, two blanks and the translation code,
// e.g. "1 Moj. 1:1  (BG)" (Windows-1250).
#pragma once

#include <string>
#include <string_view>

#include "data/translation.h"

namespace skrybon {

// Abbreviation + " %d:%d  " (chapter + 1, verse + 1) + "(BG)"/"(BW)"/"(BT)".
std::string FormatPlaceTitle(TranslationId id, int book, int chapter, int verse);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The navigation rules of the reading windows, independent of any window:
// where the step commands lead from a place, how a typed place such as
// "1 Kor 13:4" resolves in a translation, how the chapter and verse boxes are
// read, and how the book arrows move through the book list.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "data/translation.h"
#include "data/verse_index.h"

namespace skrybon {

enum class StepCommand { NextChapter, PrevChapter, NextBook, PrevBook };

// The place a step command shows from `current`, or nullopt when it does
// nothing: at the last chapter (next chapter), before the second chapter
// (previous chapter), at the translation's last book (next book) or at the
// first book (previous book). Chapter steps stay within the book. The chapter
// and verse carried over are taken into the new chapter's or book's range.
std::optional<VerseRef> StepPlace(const CTranslationIndex& index, StepCommand step, const VerseRef& current);

// The last book of a translation as its index holds it (65 for BG and BW, 72 for BT).
int LastBook(const CTranslationIndex& index);

// Resolves the book box's text (Windows-1250) with the translation's names
// and aliases; nullopt when the text is empty, names no book, or there is no
// translation. A typed chapter or verse beyond the last is the last one; a
// verse counts only after a typed chapter.
std::optional<TypedPlace> ResolveTypedText(const CTranslationIndex* index, std::string_view text);

// Reads the text of a chapter or verse box as a number from 1 to count: an
// empty box, 0 or anything that is not a number gives the last (count), as
// does a number above count.
int ReadPlaceNumber(std::string_view text, int count);

// The book selected after `steps` arrow steps of the book spin (negative =
// previous books) from `selected` in a list of bookCount names: no wrapping
// at the ends, and no selection (-1) stays without one.
int StepBookSelection(int selected, int bookCount, int steps);

}  // namespace skrybon

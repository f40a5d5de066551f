// SPDX-License-Identifier: GPL-2.0-or-later
// The text of a found-verses file: a header naming the four search words, then
// for each found verse in book order its label and its text in double quotes,
// then the count of found verses. Windows-1250, lines ended by CR LF. Built
// from a CFoundVerseList and the verse texts of the books; no file access.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation.h"
#include "reading/found_verse_list.h"

namespace skrybon {

// "Lista znalezionych wersetów dla szukanych wyrazów:", the four word lines
// ("  1. \"wiara\"") and the separator line of 28 hyphens.
std::string FoundVersesFileHeader(const CFoundVerseList& list);

// One found verse: its label, then its text in double quotes and an empty line.
void AppendFoundVerse(std::string& out, std::string_view label, std::string_view text);

// The found verses of book, in list order, with their texts taken from the
// book's verse array; an entry past the end of the array is left out.
void AppendFoundVersesOfBook(std::string& out, const CFoundVerseList& list, int book,
                             std::span<const std::string> verses);

// The found-verses bar's message: "Znaleziono N werset(ów). --słowa--> "
// with word 1 and ", " before each further non-empty word, or "Nie
// znaleziono wersetów." for an empty list.
std::string FoundVersesMessage(const CFoundVerseList& list);

// The separator line again and "   N werset(ów).", N the count of the list.
std::string FoundVersesFileFooter(const CFoundVerseList& list);

// Reads the verse array of a book; false when the book file cannot be read.
using BookVersesReader = std::function<bool(int book, std::vector<std::string>& verses)>;

// The whole file: books 0 to bookCount - 1 are read in turn; the verses of a
// book that cannot be read are left out, the count still counts them.
std::string FormatFoundVersesText(const CFoundVerseList& list, int bookCount, const BookVersesReader& read);

// The name proposed for the file: word 1, "_" and each further non-empty
// word, then "_BG", "_BW" or "_BT" ("wiara_nadzieja_BG").
std::string FoundVersesDefaultFileName(const CFoundVerseList& list, TranslationId id);

}  // namespace skrybon

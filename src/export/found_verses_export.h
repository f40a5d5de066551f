// SPDX-License-Identifier: GPL-2.0-or-later
// The export of a window's found verses: the found-verses file text built
// from the book files of the translation, read one book at a time in book
// order, with a message for each book file that cannot be read and a call
// after each book that lets the caller show progress and stop the export.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "data/translation.h"
#include "reading/found_verse_list.h"

namespace skrybon {

// The message for a book file the export cannot read, e.g. for the first BG
// book: "Nie mogę odnaleźć pliku: '/ksiegi/0.bg'!\nJest to plik z księgą:
// '1 Mojżeszowa' i musi się znajdować folderze './ksiegi' względem głównego
// foldera programu!\nPlik zostanie pominięty."
std::string ExportMissingBookMessage(std::string_view path, std::string_view bookFolder, TranslationId id, int book);

// The file text for list (found in translation id), whose book files lie in
// mainFolder/bookFolder. A book file that is missing or damaged goes to
// report(message) and its verses are left out. After each book read,
// afterBook(book) is called; when it answers false the books after it are not
// read. The text always ends with the separator and the count of the whole list.
std::string ExportFoundVerses(const CFoundVerseList& list, TranslationId id, const std::string& mainFolder,
                              std::string_view bookFolder, const std::function<void(const std::string&)>& report,
                              const std::function<bool(int book)>& afterBook);

}  // namespace skrybon

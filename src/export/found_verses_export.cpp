// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/found_verses_export.h"

#include <cstdint>
#include <vector>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "search/found_verses_text.h"

namespace skrybon {

std::string ExportMissingBookMessage(std::string_view path, std::string_view bookFolder, TranslationId id, int book) {
  return Cp("Nie mogę odnaleźć pliku: '/") + std::string(path) + Cp("'!\nJest to plik z księgą: '") +
         BookFullName(id, book) + Cp("' i musi się znajdować folderze './") + std::string(bookFolder) +
         Cp("' względem głównego foldera programu!\nPlik zostanie pominięty.");
}

std::string ExportFoundVerses(const CFoundVerseList& list, TranslationId id, const std::string& mainFolder,
                              std::string_view bookFolder, const std::function<void(const std::string&)>& report,
                              const std::function<bool(int book)>& afterBook) {
  bool stopped = false;
  std::vector<std::uint8_t> bytes;
  // Each book read is written before the next one is read, so the caller's
  // answer after a book decides only about the books that follow it.
  return FormatFoundVersesText(list, BookCount(id), [&](int book, std::vector<std::string>& verses) {
    if (stopped) return false;
    const std::string path = BookFilePath(bookFolder, id, book);
    bool read = static_cast<bool>(ReadWholeFile(mainFolder + "/" + path, bytes));
    if (read) {
      try {
        verses = ReadStringArray(bytes);
      } catch (const DataFormatError&) {
        read = false;
      }
    }
    if (!read) {
      report(ExportMissingBookMessage(path, bookFolder, id, book));
      return false;
    }
    stopped = !afterBook(book);
    return true;
  });
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/data_check.h"

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"

namespace skrybon {

std::string CheckBookBytes(const VerseIndex& index, int book, std::span<const std::uint8_t> bytes) {
  std::size_t needed = 0;
  const auto& chapters = index[static_cast<std::size_t>(book)];
  for (std::size_t c = 0; c < chapters.size(); ++c) {
    const auto& verses = chapters[c];
    for (std::size_t v = 1; v < verses.size(); ++v) {
      if (verses[v] != verses[0] + v) {
        return "chapter " + std::to_string(c + 1) + " of the index does not name consecutive entries";
      }
    }
    needed = std::max<std::size_t>(needed, static_cast<std::size_t>(verses.back()) + 1);
  }
  std::size_t count = 0;
  try {
    count = ForEachString(bytes, [](std::size_t, std::string_view) {});
  } catch (const DataFormatError& e) {
    return "damaged (" + Cp1250ToUtf8(e.what()) + ")";
  }
  // A book file of another import beside this index (or cut short) seldom
  // has exactly the count the index names, so any difference is reported.
  if (count != needed) {
    return "holds " + std::to_string(count) + " verses, the index names " + std::to_string(needed);
  }
  return {};
}

TranslationCheck CheckTranslationFolder(const std::string& mainFolder, TranslationId id) {
  TranslationCheck check;
  check.id = id;
  CTranslationIndex translation(id);
  if (auto message = translation.LoadIndex(mainFolder)) {
    check.problems.push_back(IndexFileName(id) + ": " + Cp1250ToUtf8(*message));
    return check;
  }
  if (translation.LoadAliases(mainFolder)) check.problems.push_back(AliasFileName(id) + ": missing");
  check.index = translation.Index();
  const std::string bookFolder = "ksiegi";
  for (int book = 0; book < BookCount(id); ++book) {
    const std::string path = BookFilePath(bookFolder, id, book);
    std::vector<std::uint8_t> bytes;
    if (const auto read = ReadWholeFile(mainFolder + "/" + path, bytes); !read) {
      check.problems.push_back(path + (read.Missing() ? ": missing" : ": cannot be read (" + read.reason + ")"));
      continue;
    }
    if (const std::string problem = CheckBookBytes(check.index, book, bytes); !problem.empty()) {
      check.problems.push_back(path + ": " + problem);
    }
  }
  return check;
}

}  // namespace skrybon

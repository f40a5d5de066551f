// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/data_check.h"

#include <algorithm>

#include "data/archive.h"
#include "data/book_file.h"
#include "data/codepage.h"
#include "data/translation_files.h"

namespace skrybon {
namespace {

// Whether an alias line's list holds a name a typed place can match: digits
// and the letters of the name alphabet only (a file of CR-only line ends,
// NUL bytes or binary data yields none).
bool NamesABook(const std::string& aliasList) {
  static const std::string letters = Cp("aąbcćdeęfghijklłmnńoóprsśtuwyzźż");
  std::string_view rest = aliasList;
  while (!rest.empty()) {
    const auto end = std::min(rest.find_first_of(",.?\":!"), rest.size());
    const std::string_view name = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (!name.empty() && name.find_first_not_of(letters + "0123456789") == std::string_view::npos &&
        name.find_first_of(letters) != std::string_view::npos) {
      return true;
    }
  }
  return false;
}

}  // namespace

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
  check.leftovers = FindLeftovers(mainFolder, id);
  if (HasUnfinishedImport(mainFolder, id)) {
    check.problems.push_back(ImportJournalName(id) +
                             ": an import was interrupted, so the files may mix two texts; "
                             "skrybon-tool check --repair or a new import puts the earlier files back");
    return check;
  }
  CTranslationIndex translation(id);
  if (auto message = translation.LoadIndex(mainFolder)) {
    check.problems.push_back(IndexFileName(id) + ": " + Cp1250ToUtf8(*message));
    return check;
  }
  if (translation.LoadAliases(mainFolder)) {
    check.problems.push_back(AliasFileName(id) + ": missing");
  } else if (std::none_of(translation.Aliases().begin(), translation.Aliases().end(), NamesABook)) {
    check.problems.push_back(AliasFileName(id) +
                             ": no line names a book (one line per book is expected, \"name, alias, "
                             "alias...\", ending in LF or CR LF)");
  }
  check.index = translation.Index();
  for (int book = 0; book < BookCount(id); ++book) {
    const std::string path = BookFilePath(kBookFolder, id, book);
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

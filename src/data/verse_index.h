// SPDX-License-Identifier: GPL-2.0-or-later
// The in-memory verse index and alias table of one translation, and the
// queries the rest of the program asks of them. The index file is the
// framework's serialised array of books → chapters → 16-bit entry numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "data/aliases.h"
#include "data/translation.h"

namespace skrybon {

// books[b][c][v] = entry number of verse v of chapter c of book b in the book file.
using VerseIndex = std::vector<std::vector<std::vector<std::uint16_t>>>;

// Decodes an index file; throws DataFormatError (Windows-1250 reason) when the
// bytes are not a well-formed index of exactly expectedBooks books, each with
// at least one chapter of at least one verse.
VerseIndex ReadVerseIndex(std::span<const std::uint8_t> bytes, int expectedBooks);

// Encodes an index the way the usual writer does (class definitions on first
// use, 0x8000+i tags afterwards, short counts where they fit).
std::vector<std::uint8_t> WriteVerseIndex(const VerseIndex& index);

class CTranslationIndex {
 public:
  explicit CTranslationIndex(TranslationId id);

  TranslationId Id() const { return id_; }

  // Reads "<code>.idx" from folder. On failure returns the message to show:
  // the fatal missing-file text, a text naming the file that is there but
  // cannot be read (and why) or is damaged, or, while an import of the
  // translation is unfinished (its files may mix two texts), a text naming
  // the folder and how to repair it.
  std::optional<std::string> LoadIndex(const std::string& folder);
  void SetIndex(VerseIndex index) { books_ = std::move(index); }
  const VerseIndex& Index() const { return books_; }

  // The translation's alias table (see CAliasTable).
  std::optional<std::string> LoadAliases(const std::string& folder) { return aliases_.Load(folder); }
  void SetAliasesFromText(std::string_view fileText) { aliases_.SetFromText(fileText); }
  const CAliasTable& AliasTable() const { return aliases_; }
  const std::vector<std::string>& Aliases() const { return aliases_.Entries(); }

  // Queries; out-of-range book and chapter numbers are clamped.
  int GetChapterCount(int book) const;
  int GetVerseCount(int book, int chapter) const;
  std::pair<int, int> GetChapterEntryRange(int book, int chapter) const;
  // Stores the chapter and verse of the book's first verse with that entry
  // number; leaves them untouched when there is none.
  void FindVerseOfEntry(int book, int entry, int& chapter, int& verse) const;

  int ParseReference(std::string& text, int& chapter, int& verse) const {
    return aliases_.ParseReference(text, chapter, verse);
  }

 private:
  const std::vector<std::vector<std::uint16_t>>& Book(int book) const;
  const std::vector<std::uint16_t>& Chapter(int book, int chapter) const;

  TranslationId id_;
  VerseIndex books_;
  CAliasTable aliases_;
};

}  // namespace skrybon

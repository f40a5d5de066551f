// SPDX-License-Identifier: GPL-2.0-or-later
// The alias table of one translation: for each book the names a reader may
// type for it, read from the translation's alias file, and the resolution of
// a typed place such as "1 kor 13,4" into a book, chapter and verse.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation.h"

namespace skrybon {

// A typed place: the book, and the typed chapter and verse minus one, or -1
// where none was typed.
struct TypedPlace {
  int book = -1;
  int chapter = -1;
  int verse = -1;
  friend bool operator==(const TypedPlace&, const TypedPlace&) = default;
};

class CAliasTable {
 public:
  explicit CAliasTable(TranslationId id);

  // Empties the table and fills it from the translation's alias file in
  // folder. On a missing or unreadable file returns the translation's
  // message; the table stays empty.
  std::optional<std::string> Load(const std::string& folder);
  // Fills the table from the text of an alias file.
  void SetFromText(std::string_view fileText);
  // One lower-cased list of names without blanks per book, in book order.
  const std::vector<std::string>& Entries() const { return entries_; }

  // Resolves a typed place (Windows-1250): the whole name of a book or one of
  // its aliases first, then a name the typed key begins. nullopt when the
  // table is empty or the text names no book.
  std::optional<TypedPlace> Parse(std::string_view typed) const;

  // The same in the form the place box works with: text is trimmed and
  // lower-cased in place and the book key stored into it; chapter and verse
  // receive the typed numbers minus one, or -1. Returns the book or -1; an
  // empty table leaves everything untouched.
  int ParseReference(std::string& text, int& chapter, int& verse) const;

 private:
  struct Split {
    std::string key;  // book key: number and name without blanks and full stops
    int chapter = -1;
    int verse = -1;
  };
  // Splits a trimmed, lower-cased text; nullopt when it holds no name.
  static std::optional<Split> SplitTyped(std::string_view lowered);
  int FindBook(const std::string& key) const;

  TranslationId id_;
  std::vector<std::string> fullNameKeys_;  // full names lower-cased without blanks
  std::vector<std::string> entries_;
};

}  // namespace skrybon

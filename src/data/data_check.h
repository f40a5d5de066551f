// SPDX-License-Identifier: GPL-2.0-or-later
// Verifies a data folder the way the program will use it: no import of the
// translation is unfinished, its index file decodes, its alias file is there
// and names books, and every book file exists, decodes and holds exactly the
// entries the index names for it.
#pragma once

#include <string>
#include <vector>

#include "data/translation.h"
#include "data/verse_index.h"

namespace skrybon {

struct TranslationCheck {
  TranslationId id = TranslationId::BG;
  VerseIndex index;                   // empty when the index could not be read
  std::vector<std::string> problems;  // UTF-8, each naming its file
  std::vector<std::string> leftovers;  // temporaries and old files of interrupted writes (harmless)
};

// Checks one translation in mainFolder (book files under mainFolder/ksiegi).
TranslationCheck CheckTranslationFolder(const std::string& mainFolder, TranslationId id);

// The problem of one book file's bytes against the index, or "" when it is
// sound: the file must decode, every chapter's entries must be consecutive,
// and the file must hold as many verses as the index names for the book.
std::string CheckBookBytes(const VerseIndex& index, int book, std::span<const std::uint8_t> bytes);

}  // namespace skrybon

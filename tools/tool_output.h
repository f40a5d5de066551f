// SPDX-License-Identifier: GPL-2.0-or-later
// What several subcommands print: a translation's shape in one line and the
// program's Windows-1250 messages converted for the terminal.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "data/codepage.h"
#include "data/translation.h"
#include "data/verse_index.h"

namespace skrybon::tool {

// "BG: 66 books, 1189 chapters, 31102 verses"
inline std::string ShapeSummary(TranslationId id, const VerseIndex& index) {
  std::size_t chapters = 0, verses = 0;
  for (const auto& book : index) {
    chapters += book.size();
    for (const auto& chapter : book) verses += chapter.size();
  }
  return std::string(TranslationCode(id)) + ": " + std::to_string(index.size()) + " books, " +
         std::to_string(chapters) + " chapters, " + std::to_string(verses) + " verses";
}

// Prints a line (UTF-8) to a stream.
inline void PrintLine(std::FILE* out, std::string_view utf8) {
  std::fprintf(out, "%.*s\n", static_cast<int>(utf8.size()), utf8.data());
}

// Prints a message (UTF-8) after a prefix, its line breaks indented so that
// it reads as one item.
inline void PrintIndented(std::FILE* out, std::string_view prefix, std::string_view utf8) {
  std::string text(utf8);
  for (std::size_t p = 0; (p = text.find('\n', p)) != std::string::npos; p += 2) text.replace(p, 1, "\n  ");
  PrintLine(out, std::string(prefix) + text);
}

}  // namespace skrybon::tool

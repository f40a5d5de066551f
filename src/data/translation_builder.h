// SPDX-License-Identifier: GPL-2.0-or-later
// Builds a translation's data files from verses given by place: collects the
// verses (UTF-8), converts them to Windows-1250, fills holes so that the verse
// index keeps its invariants (every book has a chapter, every chapter a verse,
// verse n at position n - 1), ready for WriteTranslation (translation_writer.h).
// Everything that is not taken over as given is counted in a BuildReport.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation.h"
#include "data/verse_index.h"

namespace skrybon {

// Highest chapter and verse numbers taken; 250 × 250 entries still fit the
// 16-bit entry numbers of a book.
constexpr int kMaxChapterNumber = 250;
constexpr int kMaxVerseNumber = 250;

// A kind of problem met while building: how often, and the first instance.
struct ProblemCount {
  std::size_t count = 0;
  std::string first;  // UTF-8
  void Add(std::string example) {
    if (count++ == 0) first = std::move(example);
  }
};

struct BuildReport {
  std::size_t verses = 0;      // verses taken from the input
  ProblemCount unmappable;     // characters Windows-1250 cannot hold (written as '?')
  ProblemCount transliterated;  // characters it cannot hold, written in their Latin spelling (æ as ae)
  ProblemCount rejected;       // input that names no place of the translation
  ProblemCount duplicates;     // a place given again (the first text is kept)
  ProblemCount verseGaps;      // missing verses, written as empty verses
  ProblemCount chapterGaps;    // missing chapters, written as one empty verse
  std::vector<int> missingBooks;  // books absent from the input: one chapter, one empty verse

  // Human-readable lines (UTF-8), one per kind of problem met.
  std::vector<std::string> Describe(TranslationId id) const;
};

// The built translation: the index and, per book, the texts in entry order.
struct BuiltTranslation {
  TranslationId id = TranslationId::BG;
  VerseIndex index;
  std::vector<std::vector<std::string>> books;  // Windows-1250
};

class CTranslationBuilder {
 public:
  explicit CTranslationBuilder(TranslationId id) : id_(id), books_(static_cast<std::size_t>(BookCount(id))) {}

  TranslationId Id() const { return id_; }

  // Adds a verse: book 0-based in the translation's order, chapter and verse
  // 1-based, text UTF-8. A place outside the translation or the limits is
  // counted as rejected; a repeated place as a duplicate.
  void AddVerse(int book, int chapter, int verse, std::string_view utf8Text);

  // Counts input that could not be placed (a malformed line, an unknown book…).
  void Reject(std::string description) { report_.rejected.Add(std::move(description)); }

  // Produces the index and book texts and completes the report.
  BuiltTranslation Build();

  const BuildReport& Report() const { return report_; }

 private:
  using Chapter = std::map<int, std::string>;  // verse number → text
  TranslationId id_;
  std::vector<std::map<int, Chapter>> books_;  // chapter number → chapter
  BuildReport report_;
};

// "1 Moj. 3:16" (UTF-8) for reports.
std::string PlaceForReport(TranslationId id, int book, int chapter, int verse);

// Reads "book<TAB>chapter<TAB>verse<TAB>text" lines (UTF-8, LF or CR LF; a
// leading byte order mark is skipped; empty lines are ignored). A line that
// does not have this form, or is not valid UTF-8, is rejected with its number.
void ImportTsv(std::string_view utf8, CTranslationBuilder& builder);

}  // namespace skrybon

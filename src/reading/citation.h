// SPDX-License-Identifier: GPL-2.0-or-later
// The written forms of a selection of verses: the title form (window title),
// the text form (clipboard and saved selection, CR LF lines) and the print
// form (a description plus labelled entries). Pure formatting over
// Windows-1250 strings; callers pass at least one selected verse.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "data/translation.h"

namespace skrybon {

// The most verses a selection command takes; any beyond are ignored.
constexpr std::size_t kMaxSelectedVerses = 180;

struct CitationInput {
  TranslationId translation = TranslationId::BG;
  int book = 0;     // 0-based
  int chapter = 0;  // 0-based
  // 0-based verse indices in ascending order (only the first 180 count).
  std::span<const int> verses;
  // Text of every verse of the chapter, indexed by verse; a verse outside
  // the span is cited with an empty text.
  std::span<const std::string> verseTexts;
};

// The print form: what the page header shows and the lines to print.
class CPrintVerseList {
 public:
  struct Entry {
    std::string label;  // "16." or empty for the gap and code lines
    std::string text;
    friend bool operator==(const Entry&, const Entry&) = default;
  };

  void SetDescription(std::string description) { description_ = std::move(description); }
  const std::string& Description() const { return description_; }
  void Append(std::string label, std::string text) { entries_.push_back({std::move(label), std::move(text)}); }
  const std::vector<Entry>& Entries() const { return entries_; }
  void Clear() {
    description_.clear();
    entries_.clear();
  }

 private:
  std::string description_;
  std::vector<Entry> entries_;
};

// "1 Moj. 3:16  (BG)" or "1 Moj. 3:1-3,5,8-9 (BG)".
std::string FormatSelectionTitle(const CitationInput& input);

// The reference, each verse on its own "n. text" line, "    ..." between
// runs that are not neighbours, and the translation code; CR LF after each line.
std::string FormatSelectionText(const CitationInput& input);

// Replaces the list's content with the print form of the selection.
void FillPrintVerseList(const CitationInput& input, CPrintVerseList& list);

// "1 Moj. 3:16" or "1 Moj. 3:1-3,5,8-9": the reference without the code.
std::string FormatSelectionReference(const CitationInput& input);

}  // namespace skrybon

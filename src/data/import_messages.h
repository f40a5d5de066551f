// SPDX-License-Identifier: GPL-2.0-or-later
// What `skrybon-tool import` tells the program's import dialog through its
// pipes, one item a line, fields separated by tabs: the totals of a dry run
// (--summary, on standard output) and how far the writing is (--progress, on
// standard error); how the dialog reads them back; and the summary as the
// dialog shows it, in Polish.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation_builder.h"

namespace skrybon {

struct ImportSummary {
  std::string folder;         // where the import writes
  std::size_t chapters = 0;   // chapters of the built index, filled gaps included
  BuildReport report;         // verses taken and everything not taken as given
};

std::string FormatImportSummary(const std::string& folder, const BuiltTranslation& built,
                                const BuildReport& report);
// nullopt when the text is not a summary (no folder or verse count).
std::optional<ImportSummary> ParseImportSummary(std::string_view text);

// "progress<TAB>written<TAB>total", and back.
std::string FormatImportProgress(std::size_t written, std::size_t total);
struct ImportProgress {
  std::size_t written = 0;
  std::size_t total = 0;
};
std::optional<ImportProgress> ParseImportProgress(std::string_view line);

// The summary as lines for the user (UTF-8): books, chapters and verses, then
// one line for each kind of problem met, with its first instance.
std::vector<std::string> DescribeImportSummary(TranslationId id, const ImportSummary& summary);

// The label of a translation's slot in the dialog (UTF-8): its title and code
// and what is installed there now, "Biblia Gdańska (BG) – zainstalowana:
// księgi 66, rozdziały 1189, wersety 31102", or "– nie zainstalowana" for an
// empty index.
std::string InstalledTranslationLabel(TranslationId id, const VerseIndex& installed);

// The import format ("tsv", "osis", "zefania") of a file, from its name and
// its first bytes: XML that names OSIS is OSIS, other XML Zefania, the rest TSV.
std::string_view ImportFormatOf(std::string_view fileName, std::string_view head);

}  // namespace skrybon

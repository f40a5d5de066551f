// SPDX-License-Identifier: GPL-2.0-or-later
// The three translations and everything tied to each: code, title, data file
// names, book count, full book names and abbreviations. One table, no per-
// translation code elsewhere.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace skrybon {

enum class TranslationId { BG = 1, BW = 2, BT = 3 };

constexpr std::array<TranslationId, 3> kAllTranslations = {TranslationId::BG, TranslationId::BW,
                                                            TranslationId::BT};

// Address of one verse in one translation, all parts 0-based.
struct VerseRef {
  int book = 0;
  int chapter = 0;
  int verse = 0;
  friend bool operator==(const VerseRef&, const VerseRef&) = default;
};

// Book count of a translation: 66, 66 or 73.
int BookCount(TranslationId id);

// "BG", "BW", "BT" and "bg", "bw", "bt".
std::string_view TranslationCode(TranslationId id);
std::string_view TranslationLowerCode(TranslationId id);

// "(BG)", "(BW)", "(BT)".
std::string_view TranslationSuffix(TranslationId id);

// Title ("Biblia Gdańska"...), Windows-1250.
const std::string& TranslationTitle(TranslationId id);

// The title in the genitive ("Biblii Gdańskiej"), as messages name it.
const std::string& TranslationGenitive(TranslationId id);

// The gap between "Program" and "nie" in the missing-alias-file message: the
// BW message has a tab there, the others a blank.
std::string_view AliasMessageGap(TranslationId id);

// "bg.idx", "bg_alias.txt", and the book file extension "bg".
std::string IndexFileName(TranslationId id);
std::string AliasFileName(TranslationId id);
// "bg.import-journal": present only while an import replaces the translation's
// files, or after one was cut short (the files may then mix two texts).
std::string ImportJournalName(TranslationId id);
std::string_view BookFileExtension(TranslationId id);

// Why the commands of a translation that is not installed are disabled, and
// how to add it (Windows-1250).
std::string NotInstalledPrompt(TranslationId id);

// Full name and abbreviation of a book, Windows-1250. A book outside
// 0..BookCount-1 yields an empty string.
const std::string& BookFullName(TranslationId id, int book);
const std::string& BookAbbreviation(TranslationId id, int book);

// Parses "bg", "BW", "bt"...; nullopt for anything else.
std::optional<TranslationId> TranslationFromCode(std::string_view code);

}  // namespace skrybon

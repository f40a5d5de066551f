// SPDX-License-Identifier: GPL-2.0-or-later
// The three translations as the program holds them for its whole run: their
// verse indexes and alias tables, the main folder they come from and the book
// folder name. Loading follows the start-up order BG, BW, BT, each index then
// its aliases.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "data/verse_index.h"

namespace skrybon {

class CScriptureData {
 public:
  explicit CScriptureData(std::string mainFolder = ".");

  // Loads every translation in order. Each message (Windows-1250) goes to
  // showMessage as it arises: a missing alias file is reported and loading goes
  // on; a missing or damaged index file is reported and loading stops with
  // false (the program then ends with exit code 1).
  bool LoadAll(const std::function<void(const std::string&)>& showMessage);

  CTranslationIndex& Get(TranslationId id) { return translations_[static_cast<int>(id) - 1]; }
  const CTranslationIndex& Get(TranslationId id) const { return translations_[static_cast<int>(id) - 1]; }

  const std::string& MainFolder() const { return mainFolder_; }
  const std::string& BookFolder() const { return bookFolder_; }

  // Reads a chapter of a translation; see LoadChapterText.
  std::optional<std::string> LoadChapterText(TranslationId id, int book, int chapter,
                                             std::vector<std::string>& lines) const;

 private:
  std::string mainFolder_;
  std::string bookFolder_ = "ksiegi";
  std::array<CTranslationIndex, 3> translations_;
};

}  // namespace skrybon

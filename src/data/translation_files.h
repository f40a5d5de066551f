// SPDX-License-Identifier: GPL-2.0-or-later
// The files of one translation in a data folder, and what an interrupted
// import leaves among them: its journal (the translation is then unfinished,
// a mix of two imports, until the journal is undone) and the temporaries and
// kept old files of writes that never ended.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/atomic_file.h"
#include "data/translation.h"

namespace skrybon {

// The book folder inside a data folder.
inline constexpr std::string_view kBookFolder = "ksiegi";

// "bg.idx", "bg_alias.txt" and every "ksiegi/<n>.bg", relative to the data folder.
std::vector<std::string> TranslationFileNames(TranslationId id);

bool HasUnfinishedImport(const std::string& folder, TranslationId id);

// Puts back the translation's files from before an unfinished import; does
// nothing when no import is unfinished. The caller holds the folder's lock.
[[nodiscard]] FileWriteResult UndoUnfinishedImport(const std::string& folder, TranslationId id);

// The temporaries and kept old files of the translation's files (and of its
// journal) in the data folder and its book folder, relative to the data
// folder, sorted: only regular files last changed before `olderThan`.
std::vector<std::string> FindLeftovers(const std::string& folder, TranslationId id,
                                       std::filesystem::file_time_type olderThan =
                                           std::filesystem::file_time_type::max());

// Removes what FindLeftovers found, as many as can be; returns the first failure.
[[nodiscard]] FileWriteResult RemoveLeftovers(const std::string& folder, const std::vector<std::string>& names);

// Folders made for a write that then failed are taken away again (only while
// still empty, so nothing of anyone else's goes with them) unless kept.
class CNewFolders {
 public:
  CNewFolders() = default;
  CNewFolders(const CNewFolders&) = delete;
  CNewFolders& operator=(const CNewFolders&) = delete;
  ~CNewFolders();

  // Creates folder and the folders above it that are missing; returns the failure (UTF-8).
  std::optional<std::string> Make(const std::filesystem::path& folder);
  void Keep() { made_.clear(); }

 private:
  std::vector<std::filesystem::path> made_;  // deepest first
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// Writes a built translation into a data folder as one change: the index
// "<code>.idx", every book file "ksiegi/<n>.<code>" and, when the folder has
// none, the default alias file. Either all of them replace what was there or,
// on any failure, the folder keeps its earlier translation untouched; a write
// killed midway leaves a journal (translation_files.h) by which readers refuse
// the mix and the next write puts the earlier translation back.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "data/folder_lock.h"
#include "data/translation_builder.h"

namespace skrybon {

// Told before each file is written how many of all were written so far (and
// once more, with all written, before they are put in place); answering false
// stops the write there, as a failure that leaves the folder as it was.
using WriteProgress = std::function<bool(std::size_t written, std::size_t total)>;
inline constexpr std::string_view kWriteStopped = "stopped; the folder keeps its earlier files";

// What a write did besides writing the translation.
struct TranslationWriteNotes {
  bool aliasWritten = false;         // the default alias file was added
  bool undidUnfinished = false;      // an interrupted import was undone first
  std::size_t leftoversRemoved = 0;  // temporaries and old files of interrupted writes removed (all found)
};

// Writes built into folder (creating it and its book folder), holding the
// folder's lock (waiting for it as `wait` says). Before writing, an import of
// the translation cut short is undone and leftovers of interrupted writes are
// removed. Returns the failure (UTF-8, naming the file and the system's
// reason); *notes, when given, receives what was done on success.
std::optional<std::string> WriteTranslation(const std::string& folder, const BuiltTranslation& built,
                                            TranslationWriteNotes* notes = nullptr, const WriteProgress& progress = {},
                                            const FolderLockWait& wait = {});

}  // namespace skrybon

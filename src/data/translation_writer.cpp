// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/translation_writer.h"

#include <filesystem>

#include "data/book_file.h"
#include "data/default_aliases.h"
#include "data/file_set_write.h"
#include "data/translation_files.h"

namespace skrybon {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::optional<std::string> WriteTranslation(const std::string& folder, const BuiltTranslation& built,
                                            TranslationWriteNotes* notes, const WriteProgress& progress,
                                            const FolderLockWait& wait) {
  TranslationWriteNotes done;
  CNewFolders newFolders;
  if (auto error = newFolders.Make(fs::path(folder) / kBookFolder)) return error;
  // Two imports into one folder at once would interleave their renames; each
  // holds the folder's lock from the first look at the folder to the last rename.
  const CFolderLock lock(folder, wait);
  if (!lock.Error().empty()) return lock.Error();

  // An earlier import cut short is undone first, from the old files it kept;
  // what is left of interrupted writes after that (older than the lock, so no
  // running writer's) takes only room.
  if (HasUnfinishedImport(folder, built.id)) {
    if (auto undone = UndoUnfinishedImport(folder, built.id); !undone) {
      return "an earlier import into " + folder + " was interrupted and its files cannot be put back: " +
             undone.error;
    }
    done.undidUnfinished = true;
  }
  if (const auto leftovers = FindLeftovers(folder, built.id, lock.TakenAt()); RemoveLeftovers(folder, leftovers)) {
    done.leftoversRemoved = leftovers.size();
  }

  // Everything is written before anything is replaced: the book files, the
  // alias file if missing, and the index last, so that it is also the last
  // to be renamed into place. The journal marks the translation unfinished
  // from before the first rename to after the last.
  std::error_code ec;
  const bool addAliases = !fs::exists(fs::symlink_status(folder + "/" + AliasFileName(built.id), ec));
  const std::size_t total = built.books.size() + (addAliases ? 2 : 1);
  CFileSetWrite files(folder, ImportJournalName(built.id));
  std::size_t staged = 0;
  auto goOn = [&] { return !progress || progress(staged, total); };
  auto stage = [&](const std::string& name, std::span<const std::uint8_t> data) -> std::optional<std::string> {
    if (!goOn()) return std::string(kWriteStopped);
    if (auto written = files.Stage(name, data); !written) {
      return "cannot write " + folder + "/" + name + ": " + written.error;
    }
    ++staged;
    return std::nullopt;
  };
  for (std::size_t b = 0; b < built.books.size(); ++b) {
    const std::string name = BookFilePath(kBookFolder, built.id, static_cast<int>(b));
    if (auto error = stage(name, WriteStringArray(built.books[b]))) return error;
  }
  if (addAliases) {
    if (auto error = stage(AliasFileName(built.id), Bytes(DefaultAliasFileText(built.id)))) return error;
  }
  if (auto error = stage(IndexFileName(built.id), WriteVerseIndex(built.index))) return error;
  if (!goOn()) return std::string(kWriteStopped);
  if (auto committed = files.Commit(); !committed) {
    return "cannot put the new files in place, the folder keeps its earlier files: " + committed.error;
  }
  newFolders.Keep();
  done.aliasWritten = addAliases;
  if (notes) *notes = done;
  return std::nullopt;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The translations as the program holds them for its whole run: their verse
// indexes and alias tables, the folder each comes from and the book folder
// name. Loading follows the start-up order BG, BW, BT, each index then its
// aliases. A translation whose index file is in none of the folders is not
// installed (no message); one whose index is there but cannot be used is
// reported and left out; the others go on either way.
//
// Another program may replace a translation's files while this one runs. The
// identity of each index file is kept from its reading, and whether an
// import's journal lay beside it (an import under way or cut short); a book
// file is never read through an index when either has changed since (IsCurrent), and
// ReloadChanged reads every changed translation again, also one that has
// just been installed or removed.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "data/translation_folders.h"
#include "data/verse_index.h"

namespace skrybon {

enum class TranslationState { NotInstalled, Damaged, Installed };

class CScriptureData {
 public:
  using MessageSink = std::function<void(const std::string&)>;

  // One folder for all three translations.
  explicit CScriptureData(std::string mainFolder = ".");
  explicit CScriptureData(TranslationFolders folders);

  // Loads every translation in order; each message (Windows-1250, naming the
  // translation's folder) goes to showMessage as it arises.
  void LoadAll(const MessageSink& showMessage);

  // Reads again every translation whose index file is no longer the one
  // read (replaced, removed, or now found in another folder). Returns them.
  std::vector<TranslationId> ReloadChanged(const MessageSink& showMessage);
  // Whether the index file on disk is still the one read (for a translation
  // not installed: whether it still is not).
  bool IsCurrent(TranslationId id) const;

  TranslationState State(TranslationId id) const { return Slot(id).state; }
  bool IsInstalled(TranslationId id) const { return State(id) == TranslationState::Installed; }
  bool AnyInstalled() const;
  // Counts the reloads of a translation: work that spans event dispatching
  // (a search) tells by it that the index under it was read again.
  int Generation(TranslationId id) const { return Slot(id).generation; }

  CTranslationIndex& Get(TranslationId id) { return Slot(id).index; }
  const CTranslationIndex& Get(TranslationId id) const { return Slot(id).index; }

  // The translation's folder (for one not installed: the fallback folder).
  const std::string& Folder(TranslationId id) const { return Slot(id).folder; }
  // The folders looked in, in order.
  const std::vector<std::string>& LookedIn() const { return folders_.lookIn; }
  const std::string& BookFolder() const { return bookFolder_; }

  // Reads a chapter of a translation (see LoadChapterText), refusing to when
  // the translation is not installed or its index file changed since it was
  // read; the message then says so.
  std::optional<std::string> LoadChapterText(TranslationId id, int book, int chapter,
                                             std::vector<std::string>& lines) const;

  // "message\nFolder: …": every message about a translation's files names its folder.
  std::string WithFolder(TranslationId id, const std::string& message) const;

 private:
  struct Translation {
    explicit Translation(TranslationId id) : index(id) {}
    CTranslationIndex index;
    std::string folder;
    TranslationState state = TranslationState::NotInstalled;
    std::optional<FileIdentity> identity;  // of the index file as read
    bool unfinished = false;               // an import's journal lay beside it
    int generation = 0;
  };
  Translation& Slot(TranslationId id) { return translations_[static_cast<std::size_t>(id) - 1]; }
  const Translation& Slot(TranslationId id) const { return translations_[static_cast<std::size_t>(id) - 1]; }
  void Load(TranslationId id, const MessageSink& showMessage);

  TranslationFolders folders_;
  std::string bookFolder_ = "ksiegi";
  std::array<Translation, 3> translations_;
};

}  // namespace skrybon

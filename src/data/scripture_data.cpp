// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/scripture_data.h"

#include <algorithm>
#include <utility>

#include "data/book_file.h"
#include "data/codepage.h"
#include "data/translation_files.h"

namespace skrybon {
namespace {

// An index replaced while it was being read is read again; a few tries are
// enough for an import that renames its files within milliseconds.
constexpr int kReadTries = 3;

}  // namespace

CScriptureData::CScriptureData(std::string mainFolder) : CScriptureData(TranslationFolders{{mainFolder}, mainFolder}) {}

CScriptureData::CScriptureData(TranslationFolders folders)
    : folders_(std::move(folders)),
      translations_{Translation(TranslationId::BG), Translation(TranslationId::BW), Translation(TranslationId::BT)} {
  for (const TranslationId id : kAllTranslations) Slot(id).folder = folders_.fallback;
}

void CScriptureData::LoadAll(const MessageSink& showMessage) {
  for (const TranslationId id : kAllTranslations) Load(id, showMessage);
}

void CScriptureData::Load(TranslationId id, const MessageSink& showMessage) {
  Translation& t = Slot(id);
  const TranslationFolder where = FindTranslationFolder(folders_, id);
  t.folder = where.folder;
  t.index.SetIndex({});
  t.index.SetAliasesFromText({});
  ++t.generation;
  const std::string indexPath = t.folder + "/" + IndexFileName(id);
  t.unfinished = HasUnfinishedImport(t.folder, id);
  std::optional<std::string> message;
  for (int attempt = 0; attempt < kReadTries; ++attempt) {
    t.identity = IdentityOf(indexPath);
    if (!t.identity) break;
    message = t.index.LoadIndex(t.folder);
    if (IdentityOf(indexPath) == t.identity) break;
  }
  if (!t.identity) {
    t.state = TranslationState::NotInstalled;
    return;
  }
  if (message) {
    t.index.SetIndex({});
    t.state = TranslationState::Damaged;
    showMessage(WithFolder(id, *message));
    return;
  }
  t.state = TranslationState::Installed;
  if (auto aliasMessage = t.index.LoadAliases(t.folder)) showMessage(WithFolder(id, *aliasMessage));
}

std::vector<TranslationId> CScriptureData::ReloadChanged(const MessageSink& showMessage) {
  std::vector<TranslationId> reloaded;
  for (const TranslationId id : kAllTranslations) {
    if (IsCurrent(id)) continue;
    Load(id, showMessage);
    reloaded.push_back(id);
  }
  return reloaded;
}

bool CScriptureData::IsCurrent(TranslationId id) const {
  const Translation& t = Slot(id);
  const TranslationFolder where = FindTranslationFolder(folders_, id);
  if (!where.found) return t.state == TranslationState::NotInstalled;
  return where.folder == t.folder && IdentityOf(t.folder + "/" + IndexFileName(id)) == t.identity &&
         HasUnfinishedImport(t.folder, id) == t.unfinished;
}

bool CScriptureData::AnyInstalled() const {
  return std::any_of(kAllTranslations.begin(), kAllTranslations.end(),
                     [this](TranslationId id) { return IsInstalled(id); });
}

std::optional<std::string> CScriptureData::LoadChapterText(TranslationId id, int book, int chapter,
                                                           std::vector<std::string>& lines) const {
  if (!IsInstalled(id)) {
    return WithFolder(id, Cp("Przekład ") + TranslationTitle(id) + Cp(" nie jest zainstalowany."));
  }
  if (!IsCurrent(id)) {
    return WithFolder(id, Cp("Pliki przekładu ") + TranslationTitle(id) +
                              Cp(" zmieniły się od ich wczytania; program wczyta go ponownie."));
  }
  const Translation& t = Slot(id);
  if (auto message = skrybon::LoadChapterText(t.index, t.folder, bookFolder_, book, chapter, lines)) {
    return WithFolder(id, *message);
  }
  return std::nullopt;
}

std::string CScriptureData::WithFolder(TranslationId id, const std::string& message) const {
  return message + Cp("\nFolder przekładu: ") + Folder(id);
}

}  // namespace skrybon

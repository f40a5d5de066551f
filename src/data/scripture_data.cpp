// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/scripture_data.h"

#include <utility>

#include "data/book_file.h"

namespace skrybon {

CScriptureData::CScriptureData(std::string mainFolder)
    : mainFolder_(std::move(mainFolder)),
      translations_{CTranslationIndex(TranslationId::BG), CTranslationIndex(TranslationId::BW),
                    CTranslationIndex(TranslationId::BT)} {}

bool CScriptureData::LoadAll(const std::function<void(const std::string&)>& showMessage) {
  for (const TranslationId id : kAllTranslations) {
    CTranslationIndex& translation = Get(id);
    if (auto message = translation.LoadIndex(mainFolder_)) {
      showMessage(*message);
      return false;
    }
    if (auto message = translation.LoadAliases(mainFolder_)) showMessage(*message);
  }
  return true;
}

std::optional<std::string> CScriptureData::LoadChapterText(TranslationId id, int book, int chapter,
                                                           std::vector<std::string>& lines) const {
  return skrybon::LoadChapterText(Get(id), mainFolder_, bookFolder_, book, chapter, lines);
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_dialog_state.h"

#include <algorithm>

namespace skrybon {

void CSearchDialogState::LockToTranslation(TranslationId active) {
  fields.translation = static_cast<int>(active) - 1;
  for (int t = 0; t < 3; ++t) enabled.translations[static_cast<std::size_t>(t)] = t == fields.translation;
}

void CSearchDialogState::KeepToInstalled() {
  for (std::size_t t = 0; t < installed_.size(); ++t) enabled.translations[t] = enabled.translations[t] && installed_[t];
  const auto chosen = static_cast<std::size_t>(std::clamp(fields.translation, 0, 2));
  if (installed_[chosen]) return;
  const auto first = std::find(installed_.begin(), installed_.end(), true);
  if (first != installed_.end()) fields.translation = static_cast<int>(first - installed_.begin());
}

void CSearchDialogState::Open(std::optional<TranslationId> active, std::array<bool, 3> installed) {
  installed_ = installed;
  // A freshly opened dialog has every control enabled until the rules say otherwise.
  enabled = SearchDialogEnabled{};
  if (active) {
    if (fields.target == 0) {
      enabled.translations = {true, true, true};
    } else {
      LockToTranslation(*active);
    }
    enabled.currentWindow = true;
  } else {
    enabled.currentWindow = false;
    fields.target = 0;
  }
  ClickWholeWords();
  ClickWordStart();
  KeepToInstalled();
}

void CSearchDialogState::ClickWholeWords() {
  if (fields.wholeWords) {
    fields.wordStart = false;
    enabled.wordStart = false;
  } else {
    enabled.wordStart = true;
  }
}

void CSearchDialogState::ClickWordStart() {
  if (fields.wordStart) {
    fields.wholeWords = false;
    enabled.wholeWords = false;
  } else {
    enabled.wholeWords = true;
  }
}

void CSearchDialogState::ClickNewWindow() { enabled.translations = installed_; }

void CSearchDialogState::ClickCurrentWindow(std::optional<TranslationId> active) {
  if (active) LockToTranslation(*active);
}

void CSearchDialogState::ClickClear() {
  fields = SearchDialogFields{};
  enabled.wholeWords = true;
  enabled.wordStart = true;
  enabled.translations = installed_;
  KeepToInstalled();
}

bool CSearchDialogState::Accept() {
  const bool allEmpty =
      std::all_of(fields.words.begin(), fields.words.end(), [](const std::string& w) { return w.empty(); });
  if (allEmpty) return false;
  for (std::string& word : fields.words) word = TrimWhiteSpace(word);
  return true;
}

SearchRequest CSearchDialogState::Request() const {
  SearchRequest request;
  request.words = fields.words;
  for (std::size_t i = 0; i < request.operators.size(); ++i) {
    request.operators[i] = static_cast<SearchOperator>(std::clamp(fields.operators[i], 0, 2));
  }
  request.method = MethodFromFlags(fields.wordStart, fields.wholeWords);
  request.caseSensitive = fields.caseSensitive;
  request.target = fields.target == 1 ? TargetWindow::CurrentWindow : TargetWindow::NewWindow;
  request.translation = std::clamp(fields.translation, 0, 2);
  return request;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The values of the search dialog and the rules that tie its controls
// together, apart from any window: which method check box excludes the other,
// which translations may be chosen for the current window, what "Wyczyść"
// resets and how OK turns the typed words into a request. The dialog window
// copies its controls into these fields before each rule and back after it.
#pragma once

#include <array>
#include <optional>

#include "data/translation.h"
#include "search/search_request.h"

namespace skrybon {

// The dialog's values, kept for the whole run; initial values as constructed.
struct SearchDialogFields {
  std::array<int, kSearchOperatorCount> operators{0, 0, 0};  // combo indexes
  SearchWords words;                                          // at most 200 characters each
  bool wordStart = false;
  bool caseSensitive = false;
  bool wholeWords = false;
  int target = 0;       // 0 "Nowym oknie", 1 "Bieżącym oknie"
  int translation = 0;  // 0 BG, 1 BW, 2 BT
};

// The enabled state of the controls the rules switch.
struct SearchDialogEnabled {
  std::array<bool, 3> translations{true, true, true};
  bool currentWindow = true;
  bool wholeWords = true;
  bool wordStart = true;
};

class CSearchDialogState {
 public:
  SearchDialogFields fields;
  SearchDialogEnabled enabled;

  // Opening the dialog; active is the translation of the active reading
  // window, if there is one; installed tells which translations can be
  // searched (BG, BW, BT): the others stay disabled until the next opening,
  // and a chosen one that is not installed gives way to the first that is.
  void Open(std::optional<TranslationId> active, std::array<bool, 3> installed = {true, true, true});
  // Clicks, after the controls were copied into the fields.
  void ClickWholeWords();
  void ClickWordStart();
  void ClickNewWindow();
  void ClickCurrentWindow(std::optional<TranslationId> active);
  // "Wyczyść": every value back to its initial one, the method boxes and the
  // translations enabled.
  void ClickClear();
  // OK, after the controls were copied into the fields. Answers false when all
  // four words are empty (the dialog then closes without a search); otherwise
  // trims every word and answers true. The test comes before the trimming.
  bool Accept();

  // The request the fields describe.
  SearchRequest Request() const;

 private:
  void LockToTranslation(TranslationId active);
  void KeepToInstalled();

  std::array<bool, 3> installed_{true, true, true};
};

}  // namespace skrybon

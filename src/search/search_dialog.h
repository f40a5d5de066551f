// SPDX-License-Identifier: GPL-2.0-or-later
// The modal dialog "Szukanie wersetów": four word fields joined by three
// operator boxes, the translation, the word test, the letter case rule and
// the window that gets the found verses. Its values (CSearchDialogState) live
// as long as the dialog object, so each opening shows the previous values.
// The controls carry the object names "control<id>".
#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "data/translation.h"
#include "search/search_dialog_state.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace skrybon {

class CSearchDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CSearchDialog(QWidget* parent = nullptr);

  // Runs the dialog; active is the translation of the active reading window,
  // installed the translations that can be chosen (BG, BW, BT). Answers true
  // after OK with at least one word typed.
  bool Run(std::optional<TranslationId> active, std::array<bool, 3> installed = {true, true, true});

  const CSearchDialogState& State() const { return state_; }
  SearchRequest Request() const { return state_.Request(); }

 protected:
  void accept() override;
  void reject() override;

 private:
  // Refuses OK while a word holds a character Windows-1250 cannot hold: such a
  // word cannot occur in the text. Tells which word and character, puts the
  // cursor on the character and answers false.
  bool RefuseUnholdableWord();
  void FieldsToControls();
  void ControlsToFields();
  void ApplyEnabled();
  // Runs a click rule between copying the controls in and the fields out.
  template <typename Rule>
  void OnClick(Rule rule);

  CSearchDialogState state_;
  // The word edits' texts as last read. The fields hold Windows-1250, where a
  // character the code page lacks would show as '?'; such a word is shown
  // again from here, as it was typed, until the user corrects it.
  std::array<QString, kSearchWordCount> typed_;
  std::optional<TranslationId> active_;
  std::array<QLineEdit*, kSearchWordCount> words_{};
  std::array<QComboBox*, kSearchOperatorCount> operators_{};
  std::array<QRadioButton*, 3> translations_{};
  QCheckBox* wholeWords_ = nullptr;
  QCheckBox* wordStart_ = nullptr;
  QCheckBox* caseSensitive_ = nullptr;
  QRadioButton* newWindow_ = nullptr;
  QRadioButton* currentWindow_ = nullptr;
};

}  // namespace skrybon

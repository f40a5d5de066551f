// SPDX-License-Identifier: GPL-2.0-or-later
// The navigation bar's book box: an editable combo box listing book names
// that also takes a typed place. It tells whether its edit text stands (not
// while the list is open), knows whether a listed book is selected or the
// text was typed over, and can drop its list down a moment later with the
// keyboard focus in the box, after a typed place that named no book.
#pragma once

#include <QBasicTimer>
#include <QComboBox>
#include <QStringList>

namespace skrybon {

class CBookCombo : public QComboBox {
 public:
  explicit CBookCombo(QWidget* parent = nullptr);

  // False while the drop-down list is open.
  bool IsEditTextValid() const;

  // Extended keyboard interface: the Down key opens the list, F4 does not.
  void SetExtendedUI(bool on) { extendedUI_ = on; }
  bool IsExtendedUI() const { return extendedUI_; }

  // Replaces the listed names; nothing is selected afterwards.
  void SetBookNames(const QStringList& names);
  // Selects a listed book (its name becomes the text); -1 clears the box.
  void SelectBook(int book);
  // The selected book, or -1 when none is selected or the text was typed
  // over since the selection.
  int SelectedBook() const { return selected_; }

  // Starts the one-shot timer whose event drops the list down with the
  // focus in the box.
  void DropDownSoon();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  bool extendedUI_ = false;
  int selected_ = -1;
  QBasicTimer dropTimer_;
};

}  // namespace skrybon

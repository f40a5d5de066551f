// SPDX-License-Identifier: GPL-2.0-or-later
// The font face combo of the print settings: the installed faces that can
// show Polish text (every one of ĄĆĘŁŃÓŚŹŻąćęłńóśźż) and whose names the
// profile can hold (Windows-1250), sorted, each drawn in
// its own face at 9 points; a drop-down list without typing. A stored name
// selects the first face that begins with it; a name no face begins with
// selects the face the platform would really print in its place, so that the
// combo shows what is used.
#pragma once

#include <QComboBox>
#include <QString>

namespace skrybon {

class CFontNameCombo : public QComboBox {
  Q_OBJECT

 public:
  explicit CFontNameCombo(QWidget* parent = nullptr);

  // Lists the faces (the first call of SelectFace does it too).
  void Fill();
  // Empty name: no selection. Otherwise the first face beginning with the
  // name (case-insensitive), else the platform's substitute, else the first face.
  void SelectFace(const QString& name);
  // The selected face, or empty.
  QString Face() const { return currentIndex() < 0 ? QString() : currentText(); }

  // Whether a face holds every Polish letter.
  static bool ShowsPolishLetters(const QString& family);

 private:
  bool filled_ = false;
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The panel in the window area while no translation is installed: what the
// program is, that no Bible text is there yet, the folders it looked in, and
// "Pobierz przekład..." and "Dodaj przekład z pliku...", each bound to a
// command (enabled as it is). The first button takes the focus when the panel
// appears and carries the whole text as its accessible description, so a
// screen reader says it at once; the
// texts can be selected and read with the keyboard as well.
#pragma once

#include <QStringList>
#include <QWidget>

class QAction;
class QLabel;
class QPushButton;

namespace skrybon {

class CWelcomePanel : public QWidget {
  Q_OBJECT

 public:
  // The actions the buttons trigger, whose enabled state they follow.
  CWelcomePanel(QAction& downloadCommand, QAction& addCommand, QWidget* parent = nullptr);

  // The folders the translations were looked for in.
  void SetFolders(const QStringList& folders);
  QPushButton* DownloadButton() const { return download_; }
  QPushButton* AddButton() const { return add_; }
  // Everything the panel says, as one text.
  QString Text() const;

 private:
  QLabel* heading_ = nullptr;
  QLabel* about_ = nullptr;
  QLabel* folders_ = nullptr;
  QPushButton* download_ = nullptr;
  QPushButton* add_ = nullptr;
};

}  // namespace skrybon

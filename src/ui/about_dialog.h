// SPDX-License-Identifier: GPL-2.0-or-later
// The "O programie" box: the program's picture, name, version and year, two
// links to the program's description, and the scrolling credits panel.
#pragma once

#include <QDialog>

namespace skrybon {

class CCreditsScroller;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutDlg(QWidget* parent = nullptr);
  CCreditsScroller* Scroller() const { return scroller_; }

 private:
  CCreditsScroller* scroller_ = nullptr;
};

}  // namespace skrybon

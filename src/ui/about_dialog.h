// SPDX-License-Identifier: GPL-2.0-or-later
// The "O programie" box: the program's picture, name, version and year, two
// links to the program's description, where each translation comes from, and
// the scrolling credits panel.
#pragma once

#include <QDialog>

namespace skrybon {

class CCreditsScroller;

class CAboutDlg : public QDialog {
  Q_OBJECT

 public:
  // translations: one line per translation naming its folder (may be empty).
  explicit CAboutDlg(QWidget* parent = nullptr, const QString& translations = QString());
  CCreditsScroller* Scroller() const { return scroller_; }

 private:
  CCreditsScroller* scroller_ = nullptr;
};

}  // namespace skrybon

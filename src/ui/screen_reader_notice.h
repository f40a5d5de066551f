// SPDX-License-Identifier: GPL-2.0-or-later
// A notice for screen readers only: an invisible label whose accessible role
// is a notification. Announce shows it anew with the text, and screen readers
// speak a notification when it appears, wherever the keyboard focus is.
#pragma once

#include <QLabel>

namespace skrybon {

class CScreenReaderNotice : public QLabel {
  Q_OBJECT

 public:
  explicit CScreenReaderNotice(QWidget* parent);

  void Announce(const QString& text);
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// A short report of what a command did ("Skopiowano 1 Sam. 20:31 (BG)"):
// shown in the status bar's prompt and spoken by screen readers as a
// notification. After kShownMs the prompt returns to its idle text, unless
// something else has been shown there meanwhile.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;

namespace skrybon {

class CScreenReaderNotice;

class CStatusAnnouncer : public QObject {
  Q_OBJECT

 public:
  static constexpr int kShownMs = 4000;

  // prompt: the status bar's prompt label, which outlives the announcer.
  CStatusAnnouncer(QLabel& prompt, QString idleText);

  void Announce(const QString& text);

  CScreenReaderNotice* Notice() const { return notice_; }
  QTimer& Timer() { return timer_; }

 private:
  QLabel& prompt_;
  const QString idle_;
  QString shown_;
  CScreenReaderNotice* notice_;
  QTimer timer_;
};

}  // namespace skrybon

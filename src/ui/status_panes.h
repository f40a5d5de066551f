// SPDX-License-Identifier: GPL-2.0-or-later
// The status bar's three panes after the prompt: the active reading window's
// title, today's date ("%d %B %Yr." in the user's locale) and the time
// ("%H:%M  "). Each pane is exactly as wide as its text in the bar's font;
// the title pane has no border while it is empty. A 10-second timer keeps
// the clock current; Update refreshes all three at once.
#pragma once

#include <QObject>
#include <QString>
#include <ctime>
#include <functional>

class QLabel;
class QStatusBar;
class QTimer;

namespace skrybon {

class CStatusPanes : public QObject {
  Q_OBJECT

 public:
  // Adds the panes to bar; title() answers the current title pane text.
  CStatusPanes(QStatusBar* bar, std::function<QString()> title);

  void Update();
  // The title pane alone (the date and time follow the clock).
  void UpdateTitle();

  QLabel* TitlePane() const { return title_; }
  QLabel* DatePane() const { return date_; }
  QLabel* TimePane() const { return time_; }
  QTimer* Timer() const { return timer_; }
  // Hides or shows the three panes (while a menu shows its prompts).
  void SetPanesVisible(bool visible);

  // The width a pane with this text takes in the bar's font.
  int PaneWidth(const QString& text) const;

  static QString FormatDate(const std::tm& time);
  static QString FormatTime(const std::tm& time);

 private:
  void SetPane(QLabel* pane, const QString& text, bool borderlessWhenEmpty);

  QStatusBar* bar_;
  std::function<QString()> titleSource_;
  QLabel* title_;
  QLabel* date_;
  QLabel* time_;
  QTimer* timer_;
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The found-verses bar: a list of the labels of the active reading window's
// found verses, arrows that step to the previous or next one (no wrap at the
// ends) and a message with their number and the words searched. It keeps no
// data of its own; Refresh rebuilds it from the active window's
// CFoundVerseList. Choosing a label shows that verse in the active window.
// As a command target it handles ID_GOTO_FOUND_LIST (put the focus into the list).
#pragma once

#include <QWidget>
#include <functional>

#include "ui/command_target.h"

class QComboBox;
class QLabel;
class QToolButton;

namespace skrybon {

class CChildFrame;
class CScreenReaderNotice;
class IFrameHost;

// Two stacked arrow buttons, the bar's up-down control.
class CSpinArrows : public QWidget {
  Q_OBJECT

 public:
  explicit CSpinArrows(QWidget* parent = nullptr);
  QToolButton* UpButton() const { return up_; }
  QToolButton* DownButton() const { return down_; }

 signals:
  // -1 for the up arrow (previous), +1 for the down arrow (next).
  void stepped(int direction);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

class CFoundVersesBar : public QWidget, public ICommandTarget {
  Q_OBJECT

 public:
  using ActiveWindowFn = std::function<CChildFrame*()>;

  explicit CFoundVersesBar(ActiveWindowFn activeWindow, QWidget* parent = nullptr);

  // Creates the bar in the frame's found-verses bar, as the bar's command
  // target, and keeps it in step with the frame's active reading window.
  static CFoundVersesBar* Install(IFrameHost& frame);

  // How the context menu's commands run and are enabled (by default nowhere).
  void SetCommandRouter(std::function<bool(int)> execute, std::function<bool(int, CCmdUI&)> update);

  // Rebuilds the list and the message from the active reading window.
  void Refresh();
  // Empties the message and the list and disables the list and the arrows.
  void ClearAndDisable();
  void EnableControls();

  // Steps to the previous (-1) or next (+1) found verse, if there is one.
  void Step(int direction);

  QComboBox* List() const { return list_; }
  QLabel* Message() const { return message_; }
  // Has screen readers speak a message (the end of a search).
  CScreenReaderNotice* Notice() const { return notice_; }
  CSpinArrows* Arrows() const { return arrows_; }

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void OnChosen(int index);
  void FocusActiveWindow();

  ActiveWindowFn activeWindow_;
  std::function<bool(int)> execute_;
  std::function<bool(int, CCmdUI&)> update_;
  QComboBox* list_;
  CSpinArrows* arrows_;
  CScreenReaderNotice* notice_ = nullptr;
  QLabel* message_;
};

}  // namespace skrybon

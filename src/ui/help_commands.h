// SPDX-License-Identifier: GPL-2.0-or-later
// The help commands as a frame-level command target: "&Tematy pomocy..."
// (ID_HELP_FINDER) opens the guide's contents, "&Pomoc na temat..."
// (ID_HELP_SEARCH) its index with the search field, "&Jak korzystać z
// pomocy..." (ID_HELP_USING) the page about the help window. F1 (ID_HELP) shows the pop-up text of the focused control
// when it has one and otherwise opens the contents; F1 on a highlighted menu
// item opens that command's topic; Shift+F1 (ID_CONTEXT_HELP) enters What's This mode.
#pragma once

#include <QObject>
#include <QPointer>
#include <string_view>

#include "ui/command_target.h"

class QWidget;

namespace skrybon {

class CHelpWindow;
class IFrameHost;

class CHelpCommands : public QObject, public ICommandTarget {
  Q_OBJECT

 public:
  CHelpCommands(QWidget* owner, QObject* parent = nullptr);

  // Registers with the frame and watches its menus for F1.
  static CHelpCommands* Install(IFrameHost& frame);

  // The help window, created on first use.
  CHelpWindow& Window();

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> owner_;
  QPointer<CHelpWindow> window_;
};

}  // namespace skrybon

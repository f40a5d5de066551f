// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/help_commands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>

#include "ui/command_ids.h"
#include "ui/context_help.h"
#include "ui/frame_host.h"
#include "ui/help_topics.h"
#include "ui/help_window.h"

namespace skrybon {

CHelpCommands::CHelpCommands(QWidget* owner, QObject* parent) : QObject(parent), owner_(owner) {
  setObjectName(QStringLiteral("helpCommands"));
}

CHelpCommands* CHelpCommands::Install(IFrameHost& frame) {
  auto* commands = new CHelpCommands(&frame, &frame);
  frame.AddCommandTarget(commands);
  for (QMenu* menu : frame.findChildren<QMenu*>()) menu->installEventFilter(commands);
  return commands;
}

CHelpWindow& CHelpCommands::Window() {
  if (window_ == nullptr) {
    window_ = new CHelpWindow(owner_);
    // Closing the guide hands the keyboard back to the frame, also without a window manager.
    connect(window_, &QDialog::finished, this, [this] {
      if (owner_ != nullptr) owner_->activateWindow();
    });
  }
  return *window_;
}

bool CHelpCommands::OnUpdateCommand(int id, CCmdUI& ui) {
  switch (id) {
    case ID_HELP_FINDER: case ID_HELP_SEARCH: case ID_HELP_USING: case ID_HELP: case ID_CONTEXT_HELP:
      ui.Enable(true);
      return true;
    default:
      return false;
  }
}

bool CHelpCommands::OnCommand(int id) {
  switch (id) {
    case ID_HELP_FINDER: Window().ShowContents(); return true;
    case ID_HELP_SEARCH: Window().ShowIndex(); return true;
    case ID_HELP_USING: Window().ShowPage(kHelpUsingPage); return true;
    case ID_HELP:
      if (!ShowContextHelp(QApplication::focusWidget())) Window().ShowPage(HelpPageForContext(0));
      return true;
    case ID_CONTEXT_HELP: QWhatsThis::enterWhatsThisMode(); return true;
    default: return false;
  }
}

bool CHelpCommands::eventFilter(QObject* watched, QEvent* event) {
  // F1 on a highlighted menu item: the topic of its command.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    if (auto* menu = qobject_cast<QMenu*>(watched)) {
      const QAction* action = menu->activeAction();
      const int command = action != nullptr && action->menu() == nullptr ? action->data().toInt() : 0;
      for (QWidget* popup = QApplication::activePopupWidget(); popup != nullptr;
           popup = QApplication::activePopupWidget())
        popup->close();
      Window().ShowPage(HelpPageForContext(command > 0 ? 0x10000u + static_cast<std::uint32_t>(command) : 0u));
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace skrybon

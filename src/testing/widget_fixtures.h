// SPDX-License-Identifier: GPL-2.0-or-later
// Set-ups shared by the window tests: reading windows in a plain main window
// with an MDI area (messages collected instead of shown), the real main frame
// over a data folder, a dialog's controls found by their ids, a command
// target's answer to an update request, the next popup menu and the label a
// screen reader names a control by.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/main_frame.h"
#include "reading/child_frame.h"
#include "reading/translation_windows.h"
#include "ui/command_target.h"
#include "ui/profile.h"

namespace skrybon::testing {

// The control of a dialog with the given id (its object name is "control<id>").
template <typename W>
W* Control(QWidget& dialog, int id) {
  return dialog.findChild<W*>(QStringLiteral("control%1").arg(id));
}

// The name of the label a control is labelled by for screen readers (on
// Linux they name a combo box so); empty without one.
inline QString LabelOf(QWidget* control) {
  const auto labels = QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
  return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// What a target answers to the update request of a command.
enum class CommandState { Unhandled, Disabled, Enabled };
inline CommandState StateOf(ICommandTarget& target, int id) {
  CCmdUI ui;
  if (!target.OnUpdateCommand(id, ui)) return CommandState::Unhandled;
  return ui.IsEnabled() ? CommandState::Enabled : CommandState::Disabled;
}

// Runs act on the menu the next step opens (a context or history menu), from
// inside that menu's own event loop; act must close it.
inline void OnNextMenu(QObject* context, std::function<void(QMenu* menu)> act) {
  QTimer::singleShot(0, context, [act = std::move(act)] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) act(menu);
  });
}

// Base of the test objects that drive reading windows without the main frame.
// The central widget stacks whatever a test adds above the MDI area.
class CReadingWindowsTest : public QObject {
 protected:
  void SetUpWindows(CScriptureData& data, QSize size = QSize(900, 700)) {
    main_ = std::make_unique<QMainWindow>();
    central_ = new QWidget(main_.get());
    auto* layout = new QVBoxLayout(central_);
    layout->setContentsMargins(0, 0, 0, 0);
    area_ = new QMdiArea(central_);
    area_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    layout->addWidget(area_, 1);
    main_->setCentralWidget(central_);
    main_->resize(size);
    windows_ = std::make_unique<CReadingWindows>(*area_, data);
    messages_.clear();
    windows_->SetMessageSink([this](const QString& text) { messages_ << text; });
  }
  // Shows the main window and waits until it is the active one.
  bool ShowActive() {
    main_->show();
    QApplication::setActiveWindow(main_.get());
    return QTest::qWaitForWindowActive(main_.get());
  }
  void AddAboveArea(QWidget* widget) {
    static_cast<QVBoxLayout*>(central_->layout())->insertWidget(0, widget);
  }
  void TearDownWindows() {
    windows_.reset();
    main_.reset();
  }
  CChildFrame* Active() const { return qobject_cast<CChildFrame*>(area_->currentSubWindow()); }

  std::unique_ptr<QMainWindow> main_;
  QWidget* central_ = nullptr;
  QMdiArea* area_ = nullptr;
  std::unique_ptr<CReadingWindows> windows_;
  QStringList messages_;  // the texts the windows would have shown in message boxes
};

// The main frame over a fixture data folder, shown, active and with a profile
// in the fixture's folder. Members go in reverse order: frame, profile, data.
template <typename Data>
struct CFrameFixture {
  Data data;
  CProfile profile{(data.Folder() / "skrybon.ini").string()};
  CMainFrame frame{data.Data(), profile};

  CFrameFixture() {
    frame.resize(1000, 700);
    frame.show();
    QApplication::setActiveWindow(&frame);
  }
  CChildFrame* Active() const { return qobject_cast<CChildFrame*>(frame.ActiveReadingWindow()); }
};

// Base of the test objects that drive that frame: StartFrame() in init(),
// StopFrame() in cleanup().
template <typename Data>
class CFrameTest : public QObject {
 protected:
  bool StartFrame() {
    fixture_ = std::make_unique<CFrameFixture<Data>>();
    frame_ = &fixture_->frame;
    return QTest::qWaitForWindowActive(frame_);
  }
  void StopFrame() {
    frame_ = nullptr;
    fixture_.reset();
  }
  CChildFrame* Active() const { return fixture_->Active(); }
  // Whether the frame's routing chain handles the command and enables it.
  bool Enabled(int id) const {
    CCmdUI ui;
    return frame_->UpdateCommand(id, ui) && ui.IsEnabled();
  }

  std::unique_ptr<CFrameFixture<Data>> fixture_;
  CMainFrame* frame_ = nullptr;
};

}  // namespace skrybon::testing

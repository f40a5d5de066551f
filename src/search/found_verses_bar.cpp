// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/found_verses_bar.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "reading/child_frame.h"
#include "reading/found_verse_list.h"
#include "reading/verse_list_box.h"
#include "search/found_verses_text.h"
#include "ui/command_ids.h"
#include "ui/context_help.h"
#include "ui/frame_host.h"
#include "ui/qt_text.h"
#include "ui/screen_reader_notice.h"

namespace skrybon {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

CFoundVersesBar* CFoundVersesBar::Install(IFrameHost& frame) {
  IFrameHost* owner = &frame;
  auto* bar = new CFoundVersesBar([owner] { return qobject_cast<CChildFrame*>(owner->ActiveReadingWindow()); });
  bar->SetCommandRouter([owner](int id) { return owner->ExecuteCommand(id); },
                        [owner](int id, CCmdUI& ui) { return owner->UpdateCommand(id, ui); });
  frame.SetFoundVersesBar(bar, bar);
  QObject::connect(&frame, &IFrameHost::activeReadingWindowChanged, bar, &CFoundVersesBar::Refresh);
  QObject::connect(&frame, &IFrameHost::translationReloaded, bar, &CFoundVersesBar::Refresh);
  bar->Refresh();
  return bar;
}

CSpinArrows::CSpinArrows(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up_ = new QToolButton(this);
  down_ = new QToolButton(this);
  for (QToolButton* button : {up_, down_}) {
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    layout->addWidget(button);
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  // Screen readers would otherwise call both only "button".
  const QString previous = U("Poprzedni znaleziony werset");
  const QString next = U("Następny znaleziony werset");
  up_->setAccessibleName(previous);
  up_->setToolTip(previous);
  down_->setAccessibleName(next);
  down_->setToolTip(next);
  connect(up_, &QToolButton::clicked, this, [this] { emit stepped(-1); });
  connect(down_, &QToolButton::clicked, this, [this] { emit stepped(+1); });
}

void CSpinArrows::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up) {
    emit stepped(-1);
  } else if (event->key() == Qt::Key_Down) {
    emit stepped(+1);
  } else {
    QWidget::keyPressEvent(event);
  }
}

CFoundVersesBar::CFoundVersesBar(ActiveWindowFn activeWindow, QWidget* parent)
    : QWidget(parent), activeWindow_(std::move(activeWindow)) {
  setObjectName(QStringLiteral("dialog115"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 4, 6, 4);
  layout->setSpacing(4);
  auto* caption = new QLabel(U("Znalezione wersety:"), this);
  list_ = new QComboBox(this);
  list_->setObjectName(QStringLiteral("control1037"));
  list_->setMinimumWidth(200);
  list_->setMaxVisibleItems(20);
  list_->setAccessibleName(U("Lista znalezionych wersetów"));
  list_->setToolTip(U("Lista znalezionych wersetów"));
  caption->setBuddy(list_);
  arrows_ = new CSpinArrows(this);
  arrows_->setObjectName(QStringLiteral("control1038"));
  arrows_->setAccessibleName(U("Przechodzi pomiędzy znalezionymi wersetami"));
  arrows_->setToolTip(U("Przechodzi pomiędzy znalezionymi wersetami"));
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("control1039"));
  message_->setAccessibleDescription(U("Wynik wyszukiwania"));  // the name is its text
  layout->addWidget(caption);
  layout->addWidget(list_);
  layout->addWidget(arrows_);
  layout->addSpacing(6);
  layout->addWidget(message_, 1);
  notice_ = new CScreenReaderNotice(this);

  InstallContextHelp(*this, 115);

  connect(list_, &QComboBox::activated, this, &CFoundVersesBar::OnChosen);
  connect(arrows_, &CSpinArrows::stepped, this, &CFoundVersesBar::Step);
  ClearAndDisable();
}

void CFoundVersesBar::SetCommandRouter(std::function<bool(int)> execute, std::function<bool(int, CCmdUI&)> update) {
  execute_ = std::move(execute);
  update_ = std::move(update);
}

void CFoundVersesBar::ClearAndDisable() {
  message_->clear();
  list_->clear();
  list_->setEnabled(false);
  arrows_->setEnabled(false);
}

void CFoundVersesBar::EnableControls() {
  list_->setEnabled(true);
  arrows_->setEnabled(true);
}

void CFoundVersesBar::Refresh() {
  CChildFrame* window = activeWindow_ ? activeWindow_() : nullptr;
  if (window == nullptr) {
    ClearAndDisable();
    return;
  }
  const CFoundVerseList& found = window->GetFoundVerseList();
  const int count = found.GetCount();
  if (count == 0) {
    ClearAndDisable();
    message_->setText(ToQString(FoundVersesMessage(found)));
    return;
  }
  EnableControls();
  const QSignalBlocker blocker(list_);
  list_->clear();
  QStringList labels;
  labels.reserve(count);
  for (int i = 0; i < count; ++i) labels << ToQString(found.GetLabel(i));
  list_->addItems(labels);
  list_->setCurrentIndex(found.GetCurrent() >= 0 && found.GetCurrent() < count ? found.GetCurrent() : 0);
  message_->setText(ToQString(FoundVersesMessage(found)));
}

void CFoundVersesBar::Step(int direction) {
  const int selection = list_->currentIndex();
  if (selection < 0) return;
  const int target = selection + (direction > 0 ? 1 : -1);
  if (target < 0 || target >= list_->count()) return;
  CChildFrame* window = activeWindow_ ? activeWindow_() : nullptr;
  if (window == nullptr) return;
  {
    const QSignalBlocker blocker(list_);
    list_->setCurrentIndex(target);
  }
  window->ShowFoundVerse(target);
}

void CFoundVersesBar::OnChosen(int index) {
  CChildFrame* window = activeWindow_ ? activeWindow_() : nullptr;
  if (window == nullptr || index < 0) return;
  window->ShowFoundVerse(index);
  FocusActiveWindow();
}

void CFoundVersesBar::FocusActiveWindow() {
  if (CChildFrame* window = activeWindow_ ? activeWindow_() : nullptr) window->GetVerseList().setFocus();
}

bool CFoundVersesBar::focusNextPrevChild(bool next) {
  // Tab leaves the bar for the active reading window.
  if (activeWindow_ && activeWindow_() != nullptr) {
    FocusActiveWindow();
    return true;
  }
  return QWidget::focusNextPrevChild(next);
}

bool CFoundVersesBar::OnUpdateCommand(int id, CCmdUI& ui) {
  if (id != ID_GOTO_FOUND_LIST) return false;
  CChildFrame* window = activeWindow_ ? activeWindow_() : nullptr;
  if (window == nullptr || window->GetFoundVerseList().GetCount() == 0) return false;
  ui.Enable(true);
  return true;
}

bool CFoundVersesBar::OnCommand(int id) {
  if (id != ID_GOTO_FOUND_LIST) return false;
  if (!list_->isEnabled()) return false;
  if (QWidget* dock = parentWidget(); dock != nullptr && !isVisible()) dock->show();
  list_->setFocus(Qt::ShortcutFocusReason);
  return true;
}

void CFoundVersesBar::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("menu147"));
  const auto add = [this](QMenu& m, const char* text, int id) {
    QAction* action = m.addAction(U(text));
    action->setData(id);
    CCmdUI ui;
    const bool handled = update_ && update_(id, ui);
    action->setEnabled(handled && ui.IsEnabled());
    connect(action, &QAction::triggered, this, [this, id] {
      if (execute_) execute_(id);
    });
  };
  add(menu, "&Zapisz do pliku...", ID_SAVE_FOUND_VERSES);
  add(menu, "Znaj&dź...", ID_SEARCH);
  menu.addSeparator();
  QMenu* windows = menu.addMenu(U("&Nowe okno"));
  add(*windows, "Biblia &Gdańska", ID_FILE_NEW_BG);
  add(*windows, "Biblia &Warszawska", ID_FILE_NEW_BW);
  add(*windows, "Biblia &Tysiąclecia", ID_FILE_NEW_BT);
  const QPoint at = event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(QPoint(5, 5)) : event->globalPos();
  menu.exec(at);
}

}  // namespace skrybon

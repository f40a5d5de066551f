// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/context_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWhatsThis>
#include <QWidget>

#include "ui/help_topics.h"

namespace skrybon {
namespace {

// F1 inside a dialog: the focused control's text, and nothing else happens.
// The right button on a control other than a text field (which keeps its own
// edit menu) shows that control's text.
class CF1Filter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ContextMenu && qobject_cast<QLineEdit*>(watched) == nullptr)
      return ShowContextHelp(qobject_cast<QWidget*>(watched));
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
    ShowContextHelp(QApplication::focusWidget());
    return true;
  }
};

}  // namespace

void InstallContextHelp(QWidget& root, int dialogId, std::initializer_list<std::pair<int, QWidget*>> controls) {
  auto* filter = root.isWindow() ? new CF1Filter(&root) : nullptr;
  if (filter != nullptr) root.installEventFilter(filter);
  for (const CControlHelp& entry : ControlHelpTable()) {
    if (entry.dialogId != dialogId) continue;
    QWidget* control = nullptr;
    for (const auto& [id, widget] : controls)
      if (id == entry.controlId) control = widget;
    if (control == nullptr) control = root.findChild<QWidget*>(QStringLiteral("control%1").arg(entry.controlId));
    if (control == nullptr) continue;
    control->setWhatsThis(QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size())));
    if (filter != nullptr) {
      control->installEventFilter(filter);
      for (QWidget* inner : control->findChildren<QWidget*>()) inner->installEventFilter(filter);
    }
  }
}

QString ContextHelpText(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->isWindow() ? nullptr : widget->parentWidget())
    if (!widget->whatsThis().isEmpty()) return widget->whatsThis();
  return {};
}

bool ShowContextHelp(QWidget* widget) {
  const QString text = ContextHelpText(widget);
  if (text.isEmpty()) return false;
  QWhatsThis::showText(widget->mapToGlobal(QPoint(widget->width() / 2, widget->height())), text, widget);
  return true;
}

}  // namespace skrybon

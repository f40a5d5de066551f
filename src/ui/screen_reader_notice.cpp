// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/screen_reader_notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace skrybon {
namespace {

class CNoticeAccessible : public QAccessibleWidget {
 public:
  explicit CNoticeAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Notification) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* NoticeFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(CScreenReaderNotice::staticMetaObject.className()) && object != nullptr &&
      object->isWidgetType()) {
    return new CNoticeAccessible(static_cast<QWidget*>(object));
  }
  return nullptr;
}

}  // namespace

CScreenReaderNotice::CScreenReaderNotice(QWidget* parent) : QLabel(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(NoticeFactory), true);
  (void)factoryInstalled;
  // Nothing to see: no size, and outside every layout.
  setFixedSize(0, 0);
  hide();
}

void CScreenReaderNotice::Announce(const QString& text) {
  hide();
  setText(text);
  show();  // tells screen readers that the notice appeared
}

}  // namespace skrybon

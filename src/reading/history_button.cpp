// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/history_button.h"

#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/qt_text.h"

namespace skrybon {

namespace {

// A 3-D frame: `topLeft` colour on the top and left, `bottomRight` on the others.
void Draw3dRect(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
}

}  // namespace

CHistoryButton::CHistoryButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

QSize CHistoryButton::sizeHint() const { return {20, 22}; }

std::unique_ptr<QMenu> CHistoryButton::CreateHistoryMenu(const HistoryMenu& menu) {
  auto popup = std::make_unique<QMenu>();
  for (const HistoryMenu::Item& item : menu.items) {
    QString text = ToQString(item.text);
    text.replace('&', "&&");
    popup->addAction(text)->setData(item.id);
  }
  return popup;
}

int CHistoryButton::ShowHistoryMenu(const CPlaceHistory& history) {
  menuShown_ = true;
  setDown(true);
  lastMenu_ = BuildHistoryMenu(history);
  const std::unique_ptr<QMenu> popup = CreateHistoryMenu(lastMenu_);
  popup->setParent(this, Qt::Popup);
  const QPoint corner = mapToGlobal(QPoint(width(), height()));
  const QAction* chosen = popup->exec(corner - QPoint(popup->sizeHint().width(), 0));
  const int id = chosen ? chosen->data().toInt() : 0;
  menuShown_ = false;
  setDown(false);
  update();
  return id;
}

void CHistoryButton::DrawArrow(QPainter& painter, const QRect& area, const QColor& color) const {
  const int cx = area.left() + area.width() / 2;
  const int cy = area.top() + area.height() / 2;
  for (int k = 0; k < 6; ++k) painter.fillRect(QRect(cx - 5 + k, cy - 1 + k, 11 - 2 * k, 1), color);
}

void CHistoryButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& pal = palette();
  const QColor face = pal.color(QPalette::Button);
  const QColor light = pal.color(QPalette::Light);
  const QColor shadow = pal.color(QPalette::Dark);
  painter.fillRect(rect(), face);

  const bool pressed = isDown() || menuShown_;
  QRect area = rect();
  if (pressed && underMouse()) area.translate(1, 1);

  if (pressed) {
    Draw3dRect(painter, area, shadow, light);  // sunken
  } else if (isEnabled() && underMouse()) {
    Draw3dRect(painter, rect(), light, shadow);  // raised hover look
  }
  const QColor arrow = isEnabled() ? pal.color(QPalette::ButtonText)
                                   : pal.color(QPalette::Disabled, QPalette::ButtonText);
  DrawArrow(painter, area, arrow);

  if (hasFocus() && !pressed) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = area.adjusted(1, 1, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
}

void CHistoryButton::enterEvent(QEnterEvent* event) {
  update();
  QAbstractButton::enterEvent(event);
}

void CHistoryButton::leaveEvent(QEvent* event) {
  update();
  QAbstractButton::leaveEvent(event);
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/color_button.h"

#include "ui/flat_button.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace skrybon {

CColorButton::CColorButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setMinimumHeight(24);
}

void CColorButton::SetFillColor(const QColor& color) {
  if (fill_ == color) return;
  fill_ = color;
  update();
}

void CColorButton::SetTextColor(const QColor& color) {
  if (text_ == color) return;
  text_ = color;
  update();
}

void CColorButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  p.fillRect(r, fill_);

  const bool sunken = isDown() && hasFocus();
  const QColor light(255, 255, 255);
  const QColor dark(128, 128, 128);
  DrawEdge(p, r, sunken ? dark : light, sunken ? light : dark);

  p.setPen(text_);
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());

  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = r.adjusted(4, 4, -4, -4);
    option.backgroundColor = fill_;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
}

}  // namespace skrybon

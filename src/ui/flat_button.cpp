// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/flat_button.h"

#include <QCursor>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace skrybon {
namespace {

constexpr int kHoverPeriodMs = 10;
constexpr int kMaxCaption = 512;

// The one hot flag of all flat buttons; only the hover timers touch it.
bool& HotFlag() {
  static bool hot = false;
  return hot;
}

}  // namespace

void DrawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.setPen(topLeft);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(bottomRight);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

CFlatBtn::CFlatBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), timer_(new QTimer(this)) {
  setObjectName(QStringLiteral("CFlatBtn"));
  setMouseTracking(true);
  setAttribute(Qt::WA_Hover);
  timer_->setInterval(kHoverPeriodMs);
  connect(timer_, &QTimer::timeout, this, &CFlatBtn::OnHoverTimer);
  TakeColors();
}

bool CFlatBtn::AnyHot() { return HotFlag(); }

void CFlatBtn::TakeColors() {
  const QPalette& pal = palette();
  highlight_ = pal.color(QPalette::Light);
  shadow_ = pal.color(QPalette::Dark);
  darkShadow_ = pal.color(QPalette::Shadow);
  face_ = pal.color(QPalette::Button);
}

void CFlatBtn::SetIcon(const QIcon& icon, int width, int height) {
  icon_ = icon;
  iconWidth_ = width;
  iconHeight_ = height;
  update();
}

void CFlatBtn::SetFlat(bool flat) {
  flat_ = flat;
  update();
}

void CFlatBtn::SetHotLook(bool hot) {
  if (showsHot_ == hot) return;
  showsHot_ = hot;
  update();
}

void CFlatBtn::mouseMoveEvent(QMouseEvent* event) {
  if (!timer_->isActive()) timer_->start();
  QPushButton::mouseMoveEvent(event);
}

void CFlatBtn::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QPushButton::mousePressEvent(event);
}

void CFlatBtn::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = false;
  QPushButton::mouseReleaseEvent(event);
}

void CFlatBtn::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) TakeColors();
  QPushButton::changeEvent(event);
}

void CFlatBtn::OnHoverTimer() {
  bool& hot = HotFlag();
  const bool inside = isVisible() && QRect(mapToGlobal(QPoint(0, 0)), size()).contains(QCursor::pos());
  if (pressed_) {
    timer_->stop();
    if (hot) SetHotLook(false);
    hot = false;
  } else if (inside && flat_) {
    if (hot) return;
    hot = true;
    SetHotLook(true);
  } else {
    timer_->stop();
    if (hot) SetHotLook(false);
    hot = false;
  }
}

void CFlatBtn::DrawCaption(QPainter& p, const QRect& r, const QColor& color) const {
  p.setPen(color);
  p.setFont(parentWidget() != nullptr ? parentWidget()->font() : font());
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text().left(kMaxCaption));
}

void CFlatBtn::DrawIconAndCaption(QPainter& p, const QRect& r, const QColor& color) const {
  if (icon_.isNull()) {
    DrawCaption(p, r, color);
    return;
  }
  const int x = r.left() + 4 + (r.height() - iconHeight_) / 2;
  const int y = r.top() + 1 + (r.height() - iconHeight_) / 2;
  icon_.paint(&p, QRect(x, y, iconWidth_, iconHeight_), Qt::AlignCenter,
              isEnabled() ? QIcon::Normal : QIcon::Disabled);
  DrawCaption(p, r.adjusted(iconWidth_, 0, 0, 0), color);
}

void CFlatBtn::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  p.fillRect(r, face_);
  const QColor captionColor = palette().color(QPalette::Active, QPalette::ButtonText);

  if (showsHot_ && isEnabled() && !pressed_) {
    DrawIconAndCaption(p, r, captionColor);
    DrawEdge(p, r, highlight_, shadow_);
    return;
  }
  if (!isEnabled()) {
    DrawCaption(p, r, palette().color(QPalette::Disabled, QPalette::Text));
    return;
  }
  const bool selected = isDown();
  QRect content = r;
  if (pressed_ && r.contains(mapFromGlobal(QCursor::pos()))) content.translate(1, 1);
  if (!flat_) {
    DrawEdge(p, r, selected ? darkShadow_ : highlight_, selected ? highlight_ : darkShadow_);
    DrawEdge(p, r.adjusted(1, 1, -1, -1), selected ? shadow_ : face_, selected ? face_ : shadow_);
  } else if (selected) {
    DrawEdge(p, r, shadow_, highlight_);
  } else {
    DrawEdge(p, r, face_, face_);
  }
  if (hasFocus()) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = r.adjusted(1, 1, -1, -1);
    option.backgroundColor = face_;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
  }
  DrawIconAndCaption(p, content, captionColor);
}

}  // namespace skrybon

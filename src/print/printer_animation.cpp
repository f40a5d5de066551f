// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/printer_animation.h"

#include <QPainter>
#include <QPainterPath>

namespace skrybon {

CPrinterAnimation::CPrinterAnimation(QWidget* parent) : QWidget(parent) {
  setFixedSize(272, 60);
  setAttribute(Qt::WA_TranslucentBackground);
  connect(&timer_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % kFrames;
    update();
  });
  timer_.start(kFrameMs);
}

void CPrinterAnimation::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const int cx = width() / 2;
  // The sheet: the first half of the loop it slides in at the back, the
  // second half it comes out at the front with lines of print on it.
  const bool out = frame_ >= kFrames / 2;
  const int step = out ? frame_ - kFrames / 2 : frame_;
  const int sheetW = 44;
  if (!out) {
    const int top = 2 + step;  // sinking into the feeder
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(cx - sheetW / 2 + 6, top, sheetW - 12, 26 - step);
  }
  // Printer body.
  p.setPen(QPen(QColor(60, 60, 70), 1.2));
  p.setBrush(QColor(190, 192, 200));
  p.drawRoundedRect(QRectF(cx - 52, 22, 104, 26), 5, 5);
  p.setBrush(QColor(150, 152, 162));
  p.drawRect(QRectF(cx - 40, 18, 80, 6));
  p.setBrush(QColor(90, 92, 100));
  p.drawRect(QRectF(cx - 30, 38, 60, 4));
  // Light: green while the sheet is printed.
  p.setBrush(out || step % 4 < 2 ? QColor(40, 200, 60) : QColor(30, 90, 40));
  p.drawEllipse(QPointF(cx + 42, 30), 3, 3);
  if (out) {
    const int shown = std::min(step * 2, 18);
    const QRectF sheet(cx - sheetW / 2, 40, sheetW, shown);
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    for (int y = 44; y < 40 + shown - 2; y += 3) p.drawLine(QPointF(cx - 16, y), QPointF(cx + (y % 2 ? 10 : 16), y));
  }
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/credits_scroller.h"

#include <QPainter>
#include <QTimer>

#include "ui/display_qt.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

constexpr int kLeftInset = 4;

}  // namespace

CCreditsScroller::CCreditsScroller(QWidget* parent) : QFrame(parent), timer_(new QTimer(this)) {
  colors_ = {QColor(0, 0, 0), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 255),
             QColor(255, 255, 255)};
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(QStringLiteral("Twórcy programu"));
  connect(timer_, &QTimer::timeout, this, &CCreditsScroller::Tick);
}

void CCreditsScroller::SetText(const QString& text, QChar separator) {
  scroll_.SetLines(SplitCredits(FromQString(text), FromQString(QString(separator)).front()));
  // A screen reader reads the whole text at once, without the pictures.
  QStringList lines;
  for (const CCreditLine& line : scroll_.Lines()) {
    if (line.style != CCreditStyle::Picture && !line.text.empty()) lines << ToQString(line.text);
  }
  setAccessibleName(lines.join(QLatin1Char('\n')));
  lineImageIndex_ = static_cast<std::size_t>(-1);
  ClearBuffer();
}

void CCreditsScroller::SetSpeed(int index, int periodMs) {
  if (index < 0 || index >= static_cast<int>(speeds_.size())) return;
  speedIndex_ = index;
  if (periodMs != 0) speeds_[static_cast<std::size_t>(index)] = periodMs;
  if (timer_->isActive()) timer_->setInterval(Period());
}

int CCreditsScroller::Period() const { return speeds_[static_cast<std::size_t>(speedIndex_)]; }

void CCreditsScroller::SetColor(int index, const QColor& color) {
  if (index < 0 || index >= static_cast<int>(colors_.size())) return;
  colors_[static_cast<std::size_t>(index)] = color;
  lineImageIndex_ = static_cast<std::size_t>(-1);
  if (index == 0) ClearBuffer();
}

void CCreditsScroller::Start() {
  if (scroll_.Empty()) return;
  lineImage_ = QPixmap();
  lineImageIndex_ = static_cast<std::size_t>(-1);
  scroll_.Reset();
  ClearBuffer();
  timer_->start(Period());
}

QFont CCreditsScroller::StyleFont(CCreditStyle style) const {
  QFont f(DrawingFamily(QStringLiteral("Arial")));
  // The heights are cell heights; the em is about five sixths of the cell.
  f.setPixelSize(std::max(1, CreditFontHeight(style) * 5 / 6));
  f.setWeight(style == CCreditStyle::Normal ? QFont::Thin : QFont::Bold);
  return f;
}

QColor CCreditsScroller::StyleColor(CCreditStyle style) const {
  switch (style) {
    case CCreditStyle::Heading1: return colors_[1];
    case CCreditStyle::Heading2: return colors_[2];
    case CCreditStyle::Heading3: return colors_[3];
    default: return colors_[4];
  }
}

int CCreditsScroller::LineHeight(const CCreditLine& line) const {
  if (line.style == CCreditStyle::Picture) {
    const QPixmap picture = pictures_ ? pictures_(ToQString(line.text)) : QPixmap();
    return picture.isNull() ? 1 : qRound(picture.height() / picture.devicePixelRatio()) + 1;
  }
  return CreditFontHeight(line.style);
}

QPixmap CCreditsScroller::RenderLine(const CCreditLine& line) const {
  const int width = std::max(1, contentsRect().width() - kLeftInset);
  const int height = LineHeight(line);
  const qreal dpr = devicePixelRatioF();
  QPixmap image(qRound(width * dpr), qRound(height * dpr));
  image.setDevicePixelRatio(dpr);
  image.fill(colors_[0]);
  QPainter p(&image);
  if (line.style == CCreditStyle::Picture) {
    const QPixmap picture = pictures_ ? pictures_(ToQString(line.text)) : QPixmap();
    if (!picture.isNull()) {
      const qreal w = picture.width() / picture.devicePixelRatio();
      p.drawPixmap(QPointF((width - w) / 2.0, 0), picture);
    }
  } else {
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(StyleFont(line.style));
    p.setPen(StyleColor(line.style));
    p.drawText(QRect(0, 0, width, height), Qt::AlignCenter | Qt::TextSingleLine, ToQString(line.text));
  }
  return image;
}

void CCreditsScroller::ClearBuffer() {
  const QRect area = contentsRect();
  const qreal dpr = devicePixelRatioF();
  buffer_ = QPixmap(qRound(std::max(1, area.width() - kLeftInset) * dpr),
                    qRound(std::max(1, area.height()) * dpr));
  buffer_.setDevicePixelRatio(dpr);
  buffer_.fill(colors_[0]);
  update();
}

void CCreditsScroller::Tick() {
  if (scroll_.Empty()) return;
  const int row = scroll_.Tick([this](const CCreditLine& line) { return LineHeight(line); });
  if (lineImageIndex_ != scroll_.CurrentIndex() || lineImage_.isNull()) {
    lineImage_ = RenderLine(scroll_.Current());
    lineImageIndex_ = scroll_.CurrentIndex();
  }
  const qreal dpr = buffer_.devicePixelRatio();
  const int step = qRound(dpr);
  buffer_.scroll(0, -step, buffer_.rect());
  QPainter p(&buffer_);
  const qreal logicalHeight = buffer_.height() / dpr;
  const QRectF strip(0, logicalHeight - 1, buffer_.width() / dpr, 1);
  p.fillRect(strip, colors_[0]);
  p.setClipRect(strip);
  p.drawPixmap(QPointF(0, logicalHeight - 1 - row), lineImage_);
  p.end();
  update();
}

void CCreditsScroller::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  const QRect area = contentsRect();
  p.setClipRect(area);
  p.fillRect(area, colors_[0]);
  p.drawPixmap(area.topLeft() + QPoint(kLeftInset, 0), buffer_);
}

void CCreditsScroller::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  lineImageIndex_ = static_cast<std::size_t>(-1);
  ClearBuffer();
}

void CCreditsScroller::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  timer_->stop();
}

}  // namespace skrybon

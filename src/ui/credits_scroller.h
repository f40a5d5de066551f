// SPDX-License-Identifier: GPL-2.0-or-later
// The About box's credits panel: the credits text scrolls upwards one pixel
// per tick of its timer, endlessly, each line drawn centred in the style its
// last character chooses (see ui/credits.h). Pictures come from a resolver.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>
#include <array>
#include <functional>

#include "ui/credits.h"

class QTimer;

namespace skrybon {

class CCreditsScroller : public QFrame {
  Q_OBJECT

 public:
  explicit CCreditsScroller(QWidget* parent = nullptr);

  // Splits text (UTF-8 in a QString) at separator into lines and starts over.
  void SetText(const QString& text, QChar separator);
  // Sets the speed index; a non-zero period replaces that index's period.
  void SetSpeed(int index, int periodMs);
  // 0 background, 1-3 heading styles, 4 normal text.
  void SetColor(int index, const QColor& color);
  void Start();
  void SetPictureSource(std::function<QPixmap(const QString&)> source) { pictures_ = std::move(source); }

  QTimer* Timer() const { return timer_; }
  int Period() const;
  const CCreditsScroll& Scroll() const { return scroll_; }
  // The font of a style.
  QFont StyleFont(CCreditStyle style) const;
  QColor StyleColor(CCreditStyle style) const;
  // The panel as it shows now.
  const QPixmap& Buffer() const { return buffer_; }

  // One step of the scroll (the timer's work).
  void Tick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QPixmap RenderLine(const CCreditLine& line) const;
  int LineHeight(const CCreditLine& line) const;
  void ClearBuffer();

  CCreditsScroll scroll_;
  std::array<QColor, 5> colors_;
  std::array<int, 3> speeds_ = {70, 40, 10};
  int speedIndex_ = 0;
  QTimer* timer_;
  QPixmap buffer_;
  QPixmap lineImage_;
  std::size_t lineImageIndex_ = static_cast<std::size_t>(-1);
  std::function<QPixmap(const QString&)> pictures_;
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// A flat push button: it shows no edge until the mouse rests on it (hot: a
// raised edge), sinks while pressed, greys its caption when disabled and
// draws a focus rectangle when focused. At most one flat button in the
// program looks hot at a time: they share one hot flag, which is cleared only
// when the cursor leaves the button that set it. The hover is followed by a
// 10-millisecond timer started on mouse moves.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPushButton>

class QPainter;
class QRect;
class QTimer;

namespace skrybon {

// Draws a one-pixel 3-D edge just inside r: top and left in one colour, bottom
// and right in the other (raised with a light top-left, sunken the other way).
void DrawEdge(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight);

class CFlatBtn : public QPushButton {
  Q_OBJECT

 public:
  explicit CFlatBtn(const QString& caption = QString(), QWidget* parent = nullptr);

  // The large icon drawn left of the caption, with its size.
  void SetIcon(const QIcon& icon, int width, int height);
  void SetFlat(bool flat);
  bool IsFlat() const { return flat_; }
  bool IsPressed() const { return pressed_; }
  // True while this button shows the hot look.
  bool ShowsHot() const { return showsHot_; }
  QTimer* HoverTimer() const { return timer_; }

  // The flag shared by all flat buttons.
  static bool AnyHot();

  // The hover timer's work (public for tests).
  void OnHoverTimer();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void DrawCaption(QPainter& p, const QRect& r, const QColor& color) const;
  void DrawIconAndCaption(QPainter& p, const QRect& r, const QColor& color) const;
  void SetHotLook(bool hot);
  void TakeColors();

  QColor highlight_;
  QColor shadow_;
  QColor darkShadow_;
  QColor face_;
  QIcon icon_;
  int iconWidth_ = 20;
  int iconHeight_ = 20;
  bool pressed_ = false;
  bool flat_ = true;
  bool showsHot_ = false;
  QTimer* timer_;
};

}  // namespace skrybon

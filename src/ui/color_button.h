// SPDX-License-Identifier: GPL-2.0-or-later
// A colour swatch: a push button filled with one colour whose caption is
// drawn in another, with a one-pixel raised edge (sunken while pressed) and
// a focus rectangle 4 pixels inside the edge.
#pragma once

#include <QPushButton>

namespace skrybon {

class CColorButton : public QPushButton {
  Q_OBJECT

 public:
  explicit CColorButton(const QString& caption, QWidget* parent = nullptr);

  void SetFillColor(const QColor& color);
  void SetTextColor(const QColor& color);
  QColor FillColor() const { return fill_; }
  QColor TextColor() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_ = Qt::white;
  QColor text_ = Qt::black;
};

}  // namespace skrybon

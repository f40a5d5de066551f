// SPDX-License-Identifier: GPL-2.0-or-later
// The looping picture of the print progress window: a printer that draws a
// sheet in and sends it out printed, 34 frames of 272 x 60 pixels, 100 ms
// each, painted by the program itself.
#pragma once

#include <QTimer>
#include <QWidget>

namespace skrybon {

class CPrinterAnimation : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFrames = 34;
  static constexpr int kFrameMs = 100;

  explicit CPrinterAnimation(QWidget* parent = nullptr);
  bool IsPlaying() const { return timer_.isActive(); }
  QSize sizeHint() const override { return {272, 60}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QTimer timer_;
  int frame_ = 0;
};

}  // namespace skrybon

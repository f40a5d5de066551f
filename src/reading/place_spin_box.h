// SPDX-License-Identifier: GPL-2.0-or-later
// The arrows of the navigation bar. CPlaceSpinBox is a chapter or verse box:
// digits only, right-aligned, wrapping between 1 and the count, reporting
// each arrow step (not typing). Any number of digits may be typed; a number
// above the count, 0 or an empty box stands for the last chapter or verse when
// the box is read (ReadPlaceNumber) or loses the focus. CBookSpin is a pair of arrows without a
// number: up steps to the previous book, down to the next one.
#pragma once

#include <QAbstractSpinBox>
#include <QSpinBox>
#include <functional>

class QLineEdit;

namespace skrybon {

class CPlaceSpinBox : public QSpinBox {
 public:
  explicit CPlaceSpinBox(QWidget* parent = nullptr);

  // Called after each step of the arrows or the Up and Down keys.
  void SetOnStep(std::function<void()> onStep) { onStep_ = std::move(onStep); }
  // The text field, for the field's own tool tip and accessible name.
  QLineEdit* Edit() const { return lineEdit(); }

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 private:
  std::function<void()> onStep_;
};

class CBookSpin : public QAbstractSpinBox {
 public:
  explicit CBookSpin(QWidget* parent = nullptr);

  // Called with -1 for the previous book, +1 for the next one.
  void SetOnStep(std::function<void(int)> onStep) { onStep_ = std::move(onStep); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;

 private:
  std::function<void(int)> onStep_;
};

}  // namespace skrybon

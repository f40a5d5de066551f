#include "reading/place_spin_box.h"

#include <QLineEdit>

namespace skrybon {

CPlaceSpinBox::CPlaceSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(1, 1);
  setWrapping(true);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void CPlaceSpinBox::stepBy(int steps) {
  QSpinBox::stepBy(steps);
  if (onStep_) onStep_();
}

CBookSpin::CBookSpin(QWidget* parent) : QAbstractSpinBox(parent) {
  setFocusPolicy(Qt::NoFocus);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  setFrame(false);
  lineEdit()->setReadOnly(true);
  lineEdit()->setFocusPolicy(Qt::NoFocus);
  lineEdit()->hide();
}

QSize CBookSpin::sizeHint() const { return {18, QAbstractSpinBox::sizeHint().height()}; }
QSize CBookSpin::minimumSizeHint() const { return sizeHint(); }

void CBookSpin::stepBy(int steps) {
  // The up arrow steps towards the first book.
  if (onStep_ && steps != 0) onStep_(steps > 0 ? -1 : 1);
}

QAbstractSpinBox::StepEnabled CBookSpin::stepEnabled() const {
  return isEnabled() ? (StepUpEnabled | StepDownEnabled) : StepNone;
}

}  // namespace skrybon

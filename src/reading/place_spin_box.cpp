// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/place_spin_box.h"

#include <QLineEdit>

#include "reading/navigation.h"
#include "ui/qt_text.h"

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

QValidator::State CPlaceSpinBox::validate(QString& input, int&) const {
  // A number outside the range is kept as typed (the platform's box would drop
  // the keystroke, so 60 in a box of 48 would stay 6).
  if (input.isEmpty()) return QValidator::Intermediate;
  for (const QChar c : input) {
    if (c < u'0' || c > u'9') return QValidator::Invalid;
  }
  bool ok = false;
  const int value = input.toInt(&ok);
  return ok && value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void CPlaceSpinBox::fixup(QString& input) const {
  input = QString::number(ReadPlaceNumber(FromQString(input), maximum()));
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

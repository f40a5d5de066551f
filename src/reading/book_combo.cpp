// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/book_combo.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

namespace skrybon {

CBookCombo::CBookCombo(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setCompleter(nullptr);  // typed places must stay as typed
  setMaxVisibleItems(16);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) { selected_ = index; });
  connect(this, &QComboBox::activated, this, [this](int index) { selected_ = index; });
  connect(lineEdit(), &QLineEdit::textEdited, this, [this] { selected_ = -1; });
}

void CBookCombo::SetBookNames(const QStringList& names) {
  clear();
  addItems(names);
  SelectBook(-1);
}

void CBookCombo::SelectBook(int book) {
  if (book < 0 || book >= count()) {
    setCurrentIndex(-1);
    setEditText(QString());
    selected_ = -1;
    return;
  }
  setCurrentIndex(book);
  setEditText(itemText(book));  // also after the text was typed over
  selected_ = book;
}

void CBookCombo::DropDownSoon() { dropTimer_.start(1, this); }

bool CBookCombo::IsEditTextValid() const { return !view()->isVisible(); }

void CBookCombo::keyPressEvent(QKeyEvent* event) {
  if (extendedUI_ && event->modifiers() == Qt::NoModifier) {
    if (event->key() == Qt::Key_Down) {
      showPopup();
      return;
    }
    if (event->key() == Qt::Key_F4) {
      event->ignore();
      return;
    }
  }
  QComboBox::keyPressEvent(event);
}

void CBookCombo::timerEvent(QTimerEvent* event) {
  if (event->timerId() != dropTimer_.timerId()) {
    QComboBox::timerEvent(event);
    return;
  }
  dropTimer_.stop();
  setFocus(Qt::OtherFocusReason);
  showPopup();
}

}  // namespace skrybon

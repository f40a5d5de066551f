// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/font_name_combo.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "ui/qt_text.h"

namespace skrybon {

CFontNameCombo::CFontNameCombo(QWidget* parent) : QComboBox(parent) { setEditable(false); }

bool CFontNameCombo::ShowsPolishLetters(const QString& family) {
  static const QString letters = QString::fromUtf8("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
  QFont font(family);
  font.setStyleStrategy(QFont::NoFontMerging);
  // A face that is not installed would be measured in its substitute.
  if (QFontInfo(font).family().compare(family, Qt::CaseInsensitive) != 0) return false;
  const QFontMetrics metrics(font);
  return std::all_of(letters.begin(), letters.end(), [&](QChar c) { return metrics.inFont(c); });
}

void CFontNameCombo::Fill() {
  clear();
  QStringList faces;
  for (const QString& family : QFontDatabase::families())
    if (!QFontDatabase::isPrivateFamily(family) && !FirstCharOutsideCp1250(family) && ShowsPolishLetters(family))
      faces << family;
  std::sort(faces.begin(), faces.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  faces.removeDuplicates();
  for (const QString& face : faces) {
    addItem(face);
    QFont font(face);
    font.setPointSize(9);
    setItemData(count() - 1, font, Qt::FontRole);
  }
  setCurrentIndex(-1);
  filled_ = true;
}

void CFontNameCombo::SelectFace(const QString& name) {
  if (!filled_) Fill();
  if (name.isEmpty()) {
    setCurrentIndex(-1);
    return;
  }
  const auto firstBeginningWith = [this](const QString& prefix) {
    for (int i = 0; i < count(); ++i)
      if (itemText(i).startsWith(prefix, Qt::CaseInsensitive)) return i;
    return -1;
  };
  int index = firstBeginningWith(name);
  if (index < 0) index = findText(QFontInfo(QFont(name)).family(), Qt::MatchFixedString);
  setCurrentIndex(index >= 0 ? index : (count() > 0 ? 0 : -1));
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/qt_text.h"

#include "data/codepage.h"

namespace skrybon {

QString ToQString(std::string_view cp1250) { return QString::fromStdString(Cp1250ToUtf8(cp1250)); }

std::string FromQString(const QString& text) { return Utf8ToCp1250(text.toStdString()); }

std::optional<char32_t> FirstCharOutsideCp1250(const QString& text) {
  return FirstCharOutsideCp1250(std::string_view(text.toStdString()));
}

QString DescribeCharacter(char32_t c) {
  const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
  if (c == 0xFFFD || !QChar::isPrint(c) || QChar::isSpace(c)) return code;
  return QStringLiteral("\u201E%1\u201D (%2)").arg(QString::fromUcs4(&c, 1), code);
}

QString CharacterOutsideCp1250Message(const QString& subject, char32_t c) {
  return QStringLiteral("%1 zawiera znak %2, którego nie można zapisać w kodowaniu Windows-1250. Popraw tekst.")
      .arg(subject, DescribeCharacter(c));
}

}  // namespace skrybon

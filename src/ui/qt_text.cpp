#include "ui/qt_text.h"

#include "data/codepage.h"

namespace skrybon {

QString ToQString(std::string_view cp1250) { return QString::fromStdString(Cp1250ToUtf8(cp1250)); }

std::string FromQString(const QString& text) { return Utf8ToCp1250(text.toStdString()); }

}  // namespace skrybon

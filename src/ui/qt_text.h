// Conversions between the core's Windows-1250 strings and Qt's Unicode strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace skrybon {

QString ToQString(std::string_view cp1250);
std::string FromQString(const QString& text);

}  // namespace skrybon

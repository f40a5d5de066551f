// SPDX-License-Identifier: GPL-2.0-or-later
// Conversions between the core's Windows-1250 strings and Qt's Unicode strings.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace skrybon {

QString ToQString(std::string_view cp1250);
std::string FromQString(const QString& text);

// The first character of `text` that Windows-1250 cannot hold (nullopt when all
// can be held). Check typed text with this before FromQString, which would turn
// such a character into '?'.
std::optional<char32_t> FirstCharOutsideCp1250(const QString& text);

// Names a character for a message: „α” (U+03B1). Invisible characters (controls,
// spaces other than the plain one, U+FFFD) are named by their code alone.
QString DescribeCharacter(char32_t c);

// The Polish refusal for typed text holding such a character, e.g.
// "Nazwa zawiera znak „α” (U+03B1), którego nie można zapisać w kodowaniu
// Windows-1250. Popraw tekst." — `subject` is the field, capitalised ("Nazwa").
QString CharacterOutsideCp1250Message(const QString& subject, char32_t c);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// Windows-1250 text, the encoding of every data file, clipboard text and saved
// file. Inside the core library every std::string holding program text is
// Windows-1250; these functions convert at the edges and fold case exactly,
// whatever the machine's locale.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace skrybon {

// Converts Windows-1250 bytes to UTF-8. The five bytes the code page leaves
// undefined (0x81 0x83 0x88 0x90 0x98) become U+FFFD.
std::string Cp1250ToUtf8(std::string_view cp1250);

// Converts UTF-8 to Windows-1250. A character the code page cannot hold, or a
// malformed UTF-8 sequence, becomes '?' and is counted in *unmappable when given.
std::string Utf8ToCp1250(std::string_view utf8, std::size_t* unmappable = nullptr);

// The first character of UTF-8 text that Windows-1250 cannot hold, or nullopt
// when every character can be held. A malformed sequence counts as U+FFFD (the
// replacement character, itself not in the code page). Text typed by the user
// is checked with this before conversion, so that nothing is silently turned
// into '?'.
std::optional<char32_t> FirstCharOutsideCp1250(std::string_view utf8);

// Names a character for the command-line tool's messages, in UTF-8:
// "U+03B1 'α'", or "U+FFFD (malformed UTF-8)" for what the check above
// reports for a malformed sequence.
std::string DescribeCodePoint(char32_t c);

// Appends one character (up to U+10FFFF) to UTF-8 text.
void AppendUtf8(std::string& out, char32_t cp);

// Reads the character at pos of UTF-8 text and moves pos past it. A malformed
// sequence yields U+FFFD and moves pos by one byte only.
char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos);

// The offset of the first byte of utf8 that does not belong to a well-formed
// character (a stray or cut-off sequence, an overlong form, a surrogate), or
// nullopt when the whole text is valid UTF-8.
std::optional<std::size_t> FirstInvalidUtf8(std::string_view utf8);

// The Windows-1250 byte of a character, or -1 when the code page lacks it.
int Cp1250ByteOf(char32_t cp);

// Converts one UTF-16 code unit to Windows-1250 ('?' when it has no byte).
char Utf16ToCp1250(char16_t unit);

// Lower-cases one Windows-1250 byte: A-Z and every capital of the code page that
// has a lower-case pair (Ą Ć Ę Ł Ń Ó Ś Ź Ż among them); other bytes are unchanged.
char Cp1250ToLower(char c);

// Lower-cases Windows-1250 text in place.
void Cp1250LowerInPlace(std::string& text);

// The same for a whole string, returning a copy.
std::string Cp1250Lower(std::string_view text);

// Compares two names letter for letter, A-Z equal to a-z (for identifiers in
// imported files, which are ASCII).
bool AsciiEqualNoCase(std::string_view a, std::string_view b);

// Shorthand for program texts written in the sources as UTF-8 literals.
inline std::string Cp(std::string_view utf8) { return Utf8ToCp1250(utf8); }

}  // namespace skrybon

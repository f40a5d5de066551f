// SPDX-License-Identifier: GPL-2.0-or-later
// The text files the save commands write: the name actually written for the
// name chosen in the save dialog, the bytes of a text in the chosen encoding
// (Windows-1250 with CR LF as the program holds it, or UTF-8 with LF line
// ends), and the message for a file that cannot be written.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skrybon {

enum class TextFileEncoding { Cp1250CrLf, Utf8Lf };

// A chosen name without an extension gets ".txt" ("wynik" -> "wynik.txt",
// "wynik." -> "wynik.txt"); one with an extension is kept ("wynik.doc").
// Only the last path component is looked at ("notatki.d/wynik" -> "notatki.d/wynik.txt").
std::string SavedFileName(std::string_view chosen);

// The file's bytes: the Windows-1250 text as it is, or converted to UTF-8 with
// each CR LF turned into LF.
std::vector<std::uint8_t> EncodeTextFile(std::string_view cp1250, TextFileEncoding encoding);

// "Nie mogę utworzyć pliku: '/wynik.txt'!" (Windows-1250), naming the file
// without its folder.
std::string CannotCreateFileMessage(std::string_view path);

}  // namespace skrybon

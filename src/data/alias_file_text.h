// SPDX-License-Identifier: GPL-2.0-or-later
// The alias file as the alias editor holds it: the file's Windows-1250 bytes
// become UTF-8 text with "\n" line ends for editing, and the edited text goes
// back to Windows-1250 with the file's own line ends (CR LF when it had them
// or had no line end at all, LF when it had only LF). A character the code
// page cannot hold is refused with its line, so nothing is turned into '?'.
#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace skrybon {

enum class CLineEnd { CrLf, Lf };

struct CEditableAliasText {
  std::string utf8;  // lines joined by "\n"
  CLineEnd lineEnd = CLineEnd::CrLf;
};

// A character of the edited text that Windows-1250 cannot hold.
struct CUnsavableCharacter {
  int line = 0;  // 1-based
  char32_t character = 0;
};

// The file's bytes (empty for a missing file) as text to edit.
CEditableAliasText AliasFileToEditable(std::string_view cp1250);

// The edited text as the bytes to write, or the first character that cannot be written.
std::variant<std::string, CUnsavableCharacter> EditableToAliasFile(std::string_view utf8, CLineEnd lineEnd);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/alias_file_text.h"

#include <optional>

#include "data/codepage.h"

namespace skrybon {

CEditableAliasText AliasFileToEditable(std::string_view cp1250) {
  CEditableAliasText text;
  const bool hasCrLf = cp1250.find("\r\n") != std::string_view::npos;
  const bool hasLf = cp1250.find('\n') != std::string_view::npos;
  text.lineEnd = hasLf && !hasCrLf ? CLineEnd::Lf : CLineEnd::CrLf;
  std::string joined;
  joined.reserve(cp1250.size());
  for (std::size_t i = 0; i < cp1250.size(); ++i) {
    if (cp1250[i] == '\r' && i + 1 < cp1250.size() && cp1250[i + 1] == '\n') continue;
    joined += cp1250[i];
  }
  text.utf8 = Cp1250ToUtf8(joined);
  return text;
}

std::variant<std::string, CUnsavableCharacter> EditableToAliasFile(std::string_view utf8, CLineEnd lineEnd) {
  const std::string_view end = lineEnd == CLineEnd::CrLf ? "\r\n" : "\n";
  std::string out;
  out.reserve(utf8.size() + utf8.size() / 16);
  int lineNumber = 1;
  while (true) {
    const std::size_t newline = utf8.find('\n');
    const std::string_view line = utf8.substr(0, newline);
    if (const std::optional<char32_t> bad = FirstCharOutsideCp1250(line)) return CUnsavableCharacter{lineNumber, *bad};
    out += Utf8ToCp1250(line);
    if (newline == std::string_view::npos) break;
    out += end;
    utf8.remove_prefix(newline + 1);
    ++lineNumber;
  }
  return out;
}

}  // namespace skrybon

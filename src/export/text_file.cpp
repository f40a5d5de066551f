// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/text_file.h"

#include "data/codepage.h"

namespace skrybon {
namespace {

std::string_view LastComponent(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string SavedFileName(std::string_view chosen) {
  const std::string_view name = LastComponent(chosen);
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string_view::npos) return std::string(chosen) + ".txt";
  if (dot + 1 == name.size()) return std::string(chosen.substr(0, chosen.size() - 1)) + ".txt";
  return std::string(chosen);
}

std::vector<std::uint8_t> EncodeTextFile(std::string_view cp1250, TextFileEncoding encoding) {
  if (encoding == TextFileEncoding::Cp1250CrLf) return {cp1250.begin(), cp1250.end()};
  const std::string utf8 = Cp1250ToUtf8(cp1250);
  std::vector<std::uint8_t> out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    out.push_back(static_cast<std::uint8_t>(utf8[i]));
  }
  return out;
}

std::string CannotCreateFileMessage(std::string_view path) {
  return Cp("Nie mogę utworzyć pliku: '/") + std::string(LastComponent(path)) + "'!";
}

}  // namespace skrybon

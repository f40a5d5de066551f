// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_text.h"

#include "data/codepage.h"

namespace skrybon {

std::string FormatPageNumber(std::string_view format, int page, int count) {
  const int values[] = {page, count};
  int used = 0;
  std::string out;
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    const char next = i + 1 < format.size() ? format[i + 1] : '\0';
    if (c == '%' && next == '%') {
      out += '%';
      ++i;
    } else if (c == '%' && next == 'd' && used < 2) {
      out += std::to_string(values[used++]);
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string FormatHeaderText(std::string_view headerText, std::string_view description) {
  const std::size_t at = headerText.find("%s");
  if (at == std::string_view::npos) return std::string(headerText);
  std::string out(headerText.substr(0, at));
  out += description;
  out += headerText.substr(at + 2);
  return out;
}

std::string ProgressPercentText(int done, int count) {
  return std::to_string(count > 0 ? 100 * done / count : 0) + " %";
}

unsigned RemainingSeconds(int done, int count, std::uint64_t averageMsPerPage) {
  const auto pagesLeft = static_cast<std::uint64_t>(count - done + 1);
  return static_cast<unsigned>(pagesLeft * averageMsPerPage / 1000);
}

std::string RemainingTimeText(unsigned seconds) {
  if (seconds > 60) return std::to_string(seconds / 60) + " min., " + std::to_string(seconds % 60) + " sek.";
  if (seconds > 0) return std::to_string(seconds) + " sek.";
  return "??";
}

std::string ProgressPageText(int done, int count, std::string_view timeText) {
  return "Strona " + std::to_string(done) + " z " + std::to_string(count) + ", " + std::string(timeText) +
         Cp(" do końca o ...");
}

}  // namespace skrybon

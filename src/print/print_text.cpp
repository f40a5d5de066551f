// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_text.h"

#include "data/codepage.h"

namespace skrybon {

namespace {

// A number field at the start of `at` (which starts with "%"): "%d", or "%"
// with an optional flag ("-" or "0") and a width of at most two digits, then
// "d". `length` is 0 when `at` holds no such field.
struct NumberField {
  std::size_t length = 0;
  char flag = '\0';
  std::size_t width = 0;
};

NumberField ReadNumberField(std::string_view at) {
  NumberField field;
  std::size_t i = 1;
  if (i < at.size() && (at[i] == '-' || at[i] == '0')) field.flag = at[i++];
  for (const std::size_t digitsEnd = i + 2; i < at.size() && i < digitsEnd && at[i] >= '0' && at[i] <= '9'; ++i)
    field.width = field.width * 10 + static_cast<std::size_t>(at[i] - '0');
  if (i < at.size() && at[i] == 'd') field.length = i + 1;
  return field;
}

// The value in a field of the given width: right-aligned with spaces, with
// zeros for "0", left-aligned for "-".
std::string FillField(int value, const NumberField& field) {
  std::string digits = std::to_string(value);
  if (digits.size() >= field.width) return digits;
  const std::size_t fill = field.width - digits.size();
  if (field.flag == '-') return digits + std::string(fill, ' ');
  if (field.flag == '0') return digits.insert(value < 0 ? 1 : 0, fill, '0');
  return std::string(fill, ' ') + digits;
}

}  // namespace

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
      continue;
    }
    const NumberField field = c == '%' && used < 2 ? ReadNumberField(format.substr(i)) : NumberField{};
    if (field.length == 0) {
      out += c;
      continue;
    }
    out += FillField(values[used++], field);
    i += field.length - 1;
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

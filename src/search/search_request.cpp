// SPDX-License-Identifier: GPL-2.0-or-later
#include "search/search_request.h"

namespace skrybon {

SearchMethod MethodFromFlags(bool wordStart, bool wholeWords) {
  if (wordStart) return SearchMethod::WordStart;
  if (wholeWords) return SearchMethod::WholeWord;
  return SearchMethod::Anywhere;
}

std::string_view OperatorText(SearchOperator op) {
  switch (op) {
    case SearchOperator::And:
      return "  I  ";
    case SearchOperator::AndNot:
      return "NIE";
    case SearchOperator::Or:
      break;
  }
  return "LUB";
}

std::string TrimWhiteSpace(std::string_view text) {
  constexpr std::string_view kWhite = " \t\n\v\f\r";
  const std::size_t first = text.find_first_not_of(kWhite);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kWhite);
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace skrybon

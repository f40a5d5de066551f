// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/place_title.h"

namespace skrybon {

std::string FormatPlaceTitle(TranslationId id, int book, int chapter, int verse) {
  std::string title = BookAbbreviation(id, book);
  title += ' ';
  title += std::to_string(static_cast<long long>(chapter) + 1);
  title += ':';
  title += std::to_string(static_cast<long long>(verse) + 1);
  title += "  ";
  title += TranslationSuffix(id);
  return title;
}

}  // namespace skrybon

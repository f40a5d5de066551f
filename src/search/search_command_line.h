// SPDX-License-Identifier: GPL-2.0-or-later
// The arguments of the command-line search ("search" of the data tool):
//   [--data DIR] --translation bg|bw|bt [--whole-words | --word-start]
//   [--case-sensitive] [--encoding utf8|cp1250]
//   WORD1 [LUB|I|NIE WORD2 [LUB|I|NIE WORD3 [LUB|I|NIE WORD4]]]
// Words are trimmed like the dialog's; "" is an empty word, and an operator
// with no word after it stands before an empty word.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "search/search_request.h"

namespace skrybon {

enum class TextEncoding { Utf8, Cp1250 };

struct SearchCommandLine {
  std::optional<std::string> dataFolder;  // --data, when given
  SearchRequest request;  // words in Windows-1250
  TextEncoding encoding = TextEncoding::Utf8;  // of the words given and of the output
};

// The usage text (UTF-8).
std::string SearchCommandUsage();

// Parses the arguments that follow "search". On bad arguments returns nullopt
// and says why in error (UTF-8).
std::optional<SearchCommandLine> ParseSearchCommandLine(std::span<const std::string> args, std::string& error);

}  // namespace skrybon

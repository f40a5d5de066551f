// SPDX-License-Identifier: GPL-2.0-or-later
// What the user asks a search for: up to four words or phrases joined by three
// operators, the word test, the letter case rule, the translation and where
// the found verses go. Words are Windows-1250 and already trimmed.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/translation.h"

namespace skrybon {

// Index of the item in the operator combo boxes: "LUB", "  I  ", "NIE".
enum class SearchOperator { Or = 0, And = 1, AndNot = 2 };

enum class SearchMethod { Anywhere, WholeWord, WordStart };

enum class TargetWindow { NewWindow = 0, CurrentWindow = 1 };

inline constexpr int kSearchWordCount = 4;
inline constexpr int kSearchOperatorCount = 3;
// The longest word or phrase a word field holds, in characters.
inline constexpr std::size_t kSearchWordMaxLength = 200;

using SearchWords = std::array<std::string, kSearchWordCount>;
using SearchOperators = std::array<SearchOperator, kSearchOperatorCount>;

struct SearchRequest {
  SearchWords words;
  SearchOperators operators{SearchOperator::Or, SearchOperator::Or, SearchOperator::Or};
  SearchMethod method = SearchMethod::Anywhere;
  bool caseSensitive = false;
  TargetWindow target = TargetWindow::NewWindow;
  int translation = 0;  // 0 = BG, 1 = BW, 2 = BT

  TranslationId GetTranslationId() const { return static_cast<TranslationId>(translation + 1); }
};

// The word test chosen by the two method check boxes; word start wins.
SearchMethod MethodFromFlags(bool wordStart, bool wholeWords);

// The text of an operator in the combo boxes: "LUB", "  I  ", "NIE".
std::string_view OperatorText(SearchOperator op);

// Removes leading and trailing white space (blank, tab, line breaks, form
// feed, vertical tab).
std::string TrimWhiteSpace(std::string_view text);

}  // namespace skrybon

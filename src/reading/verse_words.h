// SPDX-License-Identifier: GPL-2.0-or-later
// The words of a verse as the verse list keeps them: the text split at every
// blank, so that a run of blanks leaves empty words and joining the words with
// single blanks gives the text back without its leading and trailing blanks.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "reading/text_range.h"

namespace skrybon {

// Each blank ends a word: "a  b" gives "a", "", "b"; " a" gives "", "a"; a
// trailing blank adds nothing; the rest after the last blank is a word if not empty.
std::vector<std::string> SplitVerseWords(std::string_view text);

// The words joined with single blanks; no words give the empty string.
std::string JoinVerseWords(std::span<const std::string> words);

// The parts of every word that ranges of the joined text (JoinVerseWords)
// cover, as byte ranges within each word; one list per word, empty for a word
// no range touches. The blanks between words belong to no word.
std::vector<std::vector<CTextRange>> RangesPerWord(std::span<const std::string> words,
                                                   std::span<const CTextRange> ranges);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The test of one verse against a search: a non-empty word passes when any of
// its occurrences passes the chosen word test, and the four
// results are combined from the right, t1 op1 (t2 op2 (t3 op3 t4)), with no
// precedence between the operators. Pure functions; the letter case rule has
// been applied to the verse and the words before they get here.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "search/search_request.h"

namespace skrybon {

// The eight characters that separate words: blank , . ? " ; : !
bool IsSearchSeparator(char c);

// The word test of an occurrence of length length that starts at position in
// verse: always true for Anywhere; WordStart wants a separator (or the start
// of the verse) before it, WholeWord also one (or the end of the verse) after it.
bool PassesWordTest(std::string_view verse, std::size_t position, std::size_t length, SearchMethod method);

// t1 op1 (t2 op2 (t3 op3 t4)), where Or is "or", And is "and" and AndNot is
// "and not".
bool CombineWordTests(const std::array<bool, kSearchWordCount>& tests, const SearchOperators& operators);

// Position of the first occurrence of word in verse at or after from that
// passes the word test, or std::string_view::npos (always for an empty word).
// Occurrences may overlap: "ana" occurs at 0 and at 2 in "anana".
std::size_t FindPassingOccurrence(std::string_view verse, std::string_view word, SearchMethod method,
                                  std::size_t from = 0);

// Whether the verse satisfies the words and operators; an empty word is false.
bool MatchVerse(std::string_view verse, const SearchWords& words, const SearchOperators& operators,
                SearchMethod method);

}  // namespace skrybon

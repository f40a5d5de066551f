// SPDX-License-Identifier: GPL-2.0-or-later
// Where the words of a search stand in a verse it found: the byte ranges of
// the occurrences that pass the search's word test under its letter case
// rule, for painting them in a highlight colour. A verse has ranges exactly
// when the search matches it; the words after a "NIE" are what the verse must
// not hold (or the exception to that), so they are never marked.
#pragma once

#include <string_view>
#include <vector>

#include "reading/text_range.h"
#include "search/search_request.h"

namespace skrybon {

// The ranges in verse (Windows-1250, as stored) of the passing occurrences of
// the request's words before its first "NIE", in ascending order, with
// overlapping or touching ranges joined; empty when the request does not
// match the verse.
std::vector<CTextRange> FoundWordRanges(std::string_view verse, const SearchRequest& request);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// Usual Latin spellings of characters that Windows-1250 lacks, for text taken
// into the data files: "ae" for æ, "oe" for œ, plain letters for accented ones
// the code page has no room for, and the nearest quote, dash or blank for
// typographic ones. Characters without such a spelling have none here.
#pragma once

#include <string_view>

namespace skrybon {

// The Windows-1250 text to write instead of cp, or "" when there is none.
// Only characters the code page lacks are listed.
std::string_view Cp1250Transliteration(char32_t cp);

}  // namespace skrybon

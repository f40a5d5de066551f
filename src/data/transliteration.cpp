// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/transliteration.h"

#include <algorithm>
#include <array>
#include <utility>

namespace skrybon {
namespace {

// Sorted by code point; values are Windows-1250 ("\x97" is the long dash).
constexpr std::array<std::pair<char32_t, std::string_view>, 61> kSpellings = {{
    {0x00C0, "A"},  {0x00C3, "A"},  {0x00C5, "A"},  {0x00C6, "AE"}, {0x00C8, "E"},  {0x00CA, "E"},
    {0x00CC, "I"},  {0x00CF, "I"},  {0x00D1, "N"},  {0x00D2, "O"},  {0x00D5, "O"},  {0x00D8, "O"},
    {0x00D9, "U"},  {0x00DB, "U"},  {0x00E0, "a"},  {0x00E3, "a"},  {0x00E5, "a"},  {0x00E6, "ae"},
    {0x00E8, "e"},  {0x00EA, "e"},  {0x00EC, "i"},  {0x00EF, "i"},  {0x00F1, "n"},  {0x00F2, "o"},
    {0x00F5, "o"},  {0x00F8, "o"},  {0x00F9, "u"},  {0x00FB, "u"},  {0x00FF, "y"},  {0x0132, "IJ"},
    {0x0133, "ij"}, {0x0152, "OE"}, {0x0153, "oe"}, {0x1E9E, "SS"}, {0x2002, " "},  {0x2003, " "},
    {0x2004, " "},  {0x2005, " "},  {0x2006, " "},  {0x2007, " "},  {0x2008, " "},  {0x2009, " "},
    {0x200A, " "},  {0x2010, "-"},  {0x2011, "-"},  {0x2012, "-"},  {0x2015, "\x97"}, {0x201B, "'"},
    {0x201F, "\""}, {0x202F, " "},  {0x2032, "'"},  {0x2033, "\""}, {0x2044, "/"},  {0x2212, "-"},
    {0xFB00, "ff"}, {0xFB01, "fi"}, {0xFB02, "fl"}, {0xFB03, "ffi"}, {0xFB04, "ffl"}, {0xFB05, "st"},
    {0xFB06, "st"},
}};
static_assert(std::is_sorted(kSpellings.begin(), kSpellings.end()));

}  // namespace

std::string_view Cp1250Transliteration(char32_t cp) {
  const auto found = std::lower_bound(kSpellings.begin(), kSpellings.end(), cp,
                                      [](const auto& entry, char32_t key) { return entry.first < key; });
  return found != kSpellings.end() && found->first == cp ? found->second : std::string_view{};
}

}  // namespace skrybon

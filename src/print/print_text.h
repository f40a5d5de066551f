// SPDX-License-Identifier: GPL-2.0-or-later
// The texts a print job forms: the page number from the user's format, the
// header with the description of the printed verses, and the lines of the
// progress window (percentage, page count, remaining time). User text is
// never handed to a printf-style formatter. Strings are Windows-1250.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace skrybon {

// The page number format with its first two number fields replaced by page
// and count, "%%" by "%"; any other "%" sequence (a third field too) stays as
// it stands. A number field is "%d", or "%" with an optional flag ("-" left
// aligns, "0" fills with zeros) and a width of at most two digits before the
// "d": "%3d/%d" gives "  2/5".
std::string FormatPageNumber(std::string_view format, int page, int count);

// The header text with its first "%s" replaced by the description.
std::string FormatHeaderText(std::string_view headerText, std::string_view description);

// "25 %": the share of the job's pages started, 100 * done / count.
std::string ProgressPercentText(int done, int count);

// Seconds left before page `done` of `count` starts, from the average so far.
unsigned RemainingSeconds(int done, int count, std::uint64_t averageMsPerPage);
// "1 min., 1 sek." above 60 s, "60 sek." .. "1 sek.", and "??" for 0 (no
// average yet).
std::string RemainingTimeText(unsigned seconds);

// "Strona 1 z 2, ?? do końca o ..." of the progress window.
std::string ProgressPageText(int done, int count, std::string_view timeText);

}  // namespace skrybon

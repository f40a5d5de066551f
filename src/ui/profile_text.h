// SPDX-License-Identifier: GPL-2.0-or-later
// The profile's text: which lines are "[section]" headers and which are
// "key=value" entries, how a value is found, and how changed keys are merged
// into the text. A merge touches only the values it changes and the lines it
// adds; every other byte (remarks, blanks around names and values, foreign
// sections and keys, each line's own line end) stays exactly as it was.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace skrybon {

// One key to be written: its section, its name and its new value (one line).
struct CProfileChange {
  std::string section;
  std::string key;
  std::string value;
};

// Section and key names match without regard to ASCII case.
bool SameProfileName(std::string_view a, std::string_view b);

// The value of the first entry of key in a section named section, blanks
// around it removed; nullopt when there is none. Entries before the first
// header and in a "[]" section belong to no section and are never found.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// The text with every change applied (one change per section and key): an
// existing entry gets the new value in place; a new key goes after the last
// line of its section that is not blank; a new section goes at the end. Added
// lines end like the text's first line (LF in an empty text).
std::string MergeProfileChanges(std::string_view text, std::span<const CProfileChange> changes);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// Bible texts installed as SWORD modules, read through the SWORD library
// itself: the list of installed Bible text modules, and the verses of one
// module handed to a CTranslationBuilder by their standard book identifiers.
// Verse text is the library's plain-text rendering with notes, Strong's
// numbers, headings and cross-references switched off, white space collapsed.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation_builder.h"

namespace skrybon::tool {

// The module type (in the library's words) of Bible texts.
inline constexpr std::string_view kSwordBibleType = "Biblical Texts";

struct SwordModuleInfo {
  std::string name;
  std::string language;
  std::string versification;
  std::string description;
};

// Where modules are looked for: a folder holding "mods.d", or the library's
// own search rules (SWORD_PATH, ~/.sword, /usr/share/sword…) when empty.
struct SwordLocation {
  std::string path;
};

// The installed Bible text modules, sorted by name.
std::vector<SwordModuleInfo> ListSwordBibles(const SwordLocation& where);

// Hands every verse of `module` to the builder. A module that is missing, not
// a Bible text, locked (enciphered without a key), stored in a way that
// cannot be checked, larger than any Bible or without any readable verse
// gives a message (UTF-8). Damaged entries (pointing outside the data files,
// in a block that does not decompress, text not valid in the module's
// encoding) are counted in `damaged` with the first place, and skipped: the
// library never reads them.
std::optional<std::string> CollectSwordModule(const SwordLocation& where, const std::string& module,
                                              CTranslationBuilder& builder, ProblemCount& damaged);

}  // namespace skrybon::tool

// SPDX-License-Identifier: GPL-2.0-or-later
// The alias files the data tool writes when a data folder has none: one line
// per book, "Full name,alias, alias…", listing the names and abbreviations
// readers of each translation commonly type.
#pragma once

#include <string>

#include "data/translation.h"

namespace skrybon {

// The whole file, Windows-1250, CR LF line ends, a comment line first.
std::string DefaultAliasFileText(TranslationId id);

}  // namespace skrybon

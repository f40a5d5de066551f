// SPDX-License-Identifier: GPL-2.0-or-later
// Writes a built translation into a data folder as one change: the index
// "<code>.idx", every book file "ksiegi/<n>.<code>" and, when the folder has
// none, the default alias file. Either all of them replace what was there or,
// on any failure, the folder keeps its earlier translation untouched.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "data/translation_builder.h"

namespace skrybon {

// Told before each file is written how many of all were written so far (and
// once more, with all written, before they are put in place); answering false
// stops the write there, as a failure that leaves the folder as it was.
using WriteProgress = std::function<bool(std::size_t written, std::size_t total)>;
inline constexpr std::string_view kWriteStopped = "stopped; the folder keeps its earlier files";

// Writes built into folder (creating it and its book folder). Returns the
// failure (UTF-8, naming the file and the system's reason); *aliasWritten,
// when given, tells whether the default alias file was added.
std::optional<std::string> WriteTranslation(const std::string& folder, const BuiltTranslation& built,
                                            bool* aliasWritten = nullptr, const WriteProgress& progress = {});

}  // namespace skrybon

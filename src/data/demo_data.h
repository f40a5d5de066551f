// SPDX-License-Identifier: GPL-2.0-or-later
// Demo data: every book of a translation with a real-looking number of
// chapters and verses, filled with synthetic Polish sentences made up here
// (not Bible text), so that reading, navigation and search have something to
// work on. The same seed always gives the same text.
#pragma once

#include "data/translation_builder.h"

namespace skrybon {

// Adds the demo verses of the builder's translation to it.
void AddDemoVerses(CTranslationBuilder& builder);

// One synthetic verse (UTF-8); `seed` picks the words.
std::string DemoVerseText(std::uint64_t seed);

}  // namespace skrybon

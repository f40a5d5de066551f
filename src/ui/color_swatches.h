// SPDX-License-Identifier: GPL-2.0-or-later
// What the swatches of the colours dialog show and choose. Each swatch shows
// its colour in the pairing a reading window uses it in (verse numbers and
// verse text and found words on the window background, highlighted text on
// the highlighted background); a choice made on one swatch therefore shows on every swatch
// that uses that colour.
#pragma once

#include "ui/display_settings.h"

namespace skrybon {

enum class CSwatch { Numbers, Text, Background, HighlightText, HighlightBackground, FoundWords };

struct CSwatchLook {
  ColorRef fill;
  ColorRef caption;
};

// The control id of a swatch (1041, 1040, 1042, 1043, 1044, 1046).
int SwatchControlId(CSwatch swatch);

// The fill and caption colours a swatch shows for colors.
CSwatchLook SwatchLook(const CDisplayColors& colors, CSwatch swatch);

// The colour a click on the swatch chooses, and setting it.
ColorRef ChosenColor(const CDisplayColors& colors, CSwatch swatch);
void SetChosenColor(CDisplayColors& colors, CSwatch swatch, ColorRef color);

}  // namespace skrybon

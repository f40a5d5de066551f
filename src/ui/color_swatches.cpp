// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/color_swatches.h"

#include "ui/command_ids.h"

namespace skrybon {

int SwatchControlId(CSwatch swatch) {
  switch (swatch) {
    case CSwatch::Numbers: return IDC_COLOR_NUMBERS;
    case CSwatch::Text: return IDC_COLOR_TEXT;
    case CSwatch::Background: return IDC_COLOR_BACKGROUND;
    case CSwatch::HighlightText: return IDC_COLOR_HIGHLIGHT_TEXT;
    case CSwatch::HighlightBackground: return IDC_COLOR_HIGHLIGHT_BACKGROUND;
    case CSwatch::FoundWords: return IDC_COLOR_FOUND_WORDS;
  }
  return 0;
}

CSwatchLook SwatchLook(const CDisplayColors& c, CSwatch swatch) {
  switch (swatch) {
    case CSwatch::Numbers: return {c.background, c.numbers};
    case CSwatch::Text:
    case CSwatch::Background: return {c.background, c.text};
    case CSwatch::HighlightText:
    case CSwatch::HighlightBackground: return {c.highlightBackground, c.highlightText};
    case CSwatch::FoundWords: return {c.background, c.foundWords};
  }
  return {c.background, c.text};
}

namespace {
ColorRef& Field(CDisplayColors& c, CSwatch swatch) {
  switch (swatch) {
    case CSwatch::Numbers: return c.numbers;
    case CSwatch::Text: return c.text;
    case CSwatch::Background: return c.background;
    case CSwatch::HighlightText: return c.highlightText;
    case CSwatch::HighlightBackground: return c.highlightBackground;
    case CSwatch::FoundWords: return c.foundWords;
  }
  return c.text;
}
}  // namespace

ColorRef ChosenColor(const CDisplayColors& colors, CSwatch swatch) {
  CDisplayColors copy = colors;
  return Field(copy, swatch);
}

void SetChosenColor(CDisplayColors& colors, CSwatch swatch, ColorRef color) {
  Field(colors, swatch) = color;
}

}  // namespace skrybon

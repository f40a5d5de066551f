// SPDX-License-Identifier: GPL-2.0-or-later
// The verse font and the five colours every reading window draws with, as the
// profile section "Skrybon" keeps them. The font is a Windows logical-font
// record; only some of its fields are stored, the others last one run.
// Colours are 0x00BBGGRR values (red in the lowest byte).
#pragma once

#include <cstdint>
#include <string>

#include "ui/profile.h"

namespace skrybon {

using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(ColorRef c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef c) { return static_cast<int>((c >> 16) & 0xFF); }

// A logical-font record. The face name holds at most kMaxFaceName bytes.
struct CLogFont {
  static constexpr std::size_t kMaxFaceName = 31;
  // The largest character height a stored profile may ask for, in pixels.
  static constexpr int kMaxHeight = 1000;
  std::int32_t height = 0;  // negative: character height in pixels
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 0 = any weight, 400 normal, 700 bold
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string faceName;  // Windows-1250

  friend bool operator==(const CLogFont&, const CLogFont&) = default;
};

// Sets the face name, cut to the record's kMaxFaceName bytes.
void SetFaceName(CLogFont& font, std::string_view name);

// The desktop's colours the defaults come from.
struct CSystemColors {
  ColorRef window = Rgb(255, 255, 255);
  ColorRef windowText = Rgb(0, 0, 0);
  ColorRef highlight = Rgb(0, 120, 215);
  ColorRef highlightText = Rgb(255, 255, 255);
};

// The colour the words of the last search are drawn in: a red that stands
// out both from the usual black on white and from white on the selection's
// blue (an orange is as light as that blue and fades into it).
inline constexpr ColorRef kDefaultFoundWordsColor = Rgb(200, 0, 0);

struct CDisplayColors {
  ColorRef background = 0;
  ColorRef text = 0;
  ColorRef numbers = 0;
  ColorRef highlightText = 0;
  ColorRef highlightBackground = 0;
  ColorRef foundWords = kDefaultFoundWordsColor;

  static CDisplayColors FromSystem(const CSystemColors& system);
  friend bool operator==(const CDisplayColors&, const CDisplayColors&) = default;
};

struct CDisplaySettings {
  CLogFont font;
  CDisplayColors colors;
  // "Widok > Wyróżniaj znalezione wyrazy": the words of the last search drawn in colors.foundWords.
  bool highlightFoundWords = true;

  // The defaults of an empty profile: "System", height -10, character set 238...
  static CDisplaySettings Defaults(const CSystemColors& system);
  // Reads section "Skrybon"; each missing key (or stored 65535) takes its
  // default. A font height beyond kMaxHeight either way is taken as kMaxHeight.
  static CDisplaySettings Load(const CProfile& profile, const CSystemColors& system);
  // Sets the fourteen stored keys in their fixed order; the profile's Flush
  // writes them, together with whatever else the same save changes.
  void Store(CProfile& profile) const;

  friend bool operator==(const CDisplaySettings&, const CDisplaySettings&) = default;
};

inline constexpr std::string_view kDisplaySection = "Skrybon";

// The font height one size larger (direction > 0) or smaller (< 0) among
// the sizes the font chooser offers, 6 to 72, as the chooser reads a stored
// height (height 0 is 12); the sign is kept (0 counts as negative). A height
// with no size beyond it in that direction comes back unchanged.
int ZoomedFontHeight(int height, int direction);

// a * b / c rounded to the nearest integer, halves away from zero, the sign
// kept; -1 when c is 0 or the result does not fit.
int MulDiv(int a, int b, int c);

// The font chooser reads a stored height as points: stored -10 is -13 at 96
// pixels per inch, and back.
inline int ChooserHeightFromStored(int stored, int pixelsPerInch) { return MulDiv(stored, pixelsPerInch, 72); }
inline int StoredHeightFromChooser(int chooser, int pixelsPerInch) { return MulDiv(chooser, 72, pixelsPerInch); }

}  // namespace skrybon

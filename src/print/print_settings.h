// SPDX-License-Identifier: GPL-2.0-or-later
// How printed verses look: four page margins in millimetres, three fonts
// (header, body, footer) each a face name and a size in points, the header
// text, the page number format and the footer text, as the profile section
// "Print Settings" keeps them. Strings are Windows-1250.
//
// Profile values are single lines, so a line break in the header or footer
// text is stored as the two characters "\n" and a backslash as "\\"; any
// other backslash is read as it stands (old values keep their meaning).
//
// A profile edited by hand may hold anything: reading holds each margin to
// 0..300 mm and each size to 0..kMaxFontSize points (0 = the font's default
// size, as a size typed without digits gives), each face name to
// kMaxFaceName characters, the header text, the page number format and the
// footer text to kMaxPrintText characters each, and the header and footer
// texts to their first kMaxPrintLines lines, so that a job or a preview is
// always laid out and drawn in bounded time and memory.
#pragma once

#include <string>
#include <string_view>

#include "ui/profile.h"

namespace skrybon {

inline constexpr char kPrintSettingsSection[] = "Print Settings";
inline constexpr int kMaxMargin = 300;    // mm
inline constexpr int kMaxFontSize = 144;  // points
inline constexpr std::size_t kMaxFaceName = 100;
inline constexpr std::size_t kMaxPrintText = 500;
inline constexpr std::size_t kMaxPrintLines = 10;

struct CPrintFontSetting {
  std::string face;
  int size = 0;  // points; 0 = the default size of this font
  friend bool operator==(const CPrintFontSetting&, const CPrintFontSetting&) = default;
};

struct CPrintSettings {
  int marginLeft = 10;
  int marginTop = 10;
  int marginRight = 10;
  int marginBottom = 10;
  CPrintFontSetting headerFont{"Arial", 11};
  std::string headerText = "Wersety %s";
  CPrintFontSetting bodyFont{"Arial", 10};
  std::string pageNumberFormat = "Strona %d z %d";
  CPrintFontSetting footerFont{"Times New Roman", 8};
  std::string footerText;
  friend bool operator==(const CPrintSettings&, const CPrintSettings&) = default;
};

// The size a font prints in: its own size, or the default of that font for 0.
int PrintFontPoints(const CPrintFontSetting& font, const CPrintFontSetting& defaultFont);

// Cuts face names and texts that exceed the limits above.
void HoldToPrintLimits(CPrintSettings& settings);

// Reads the thirteen keys (65535 or a missing integer = the default).
CPrintSettings LoadPrintSettings(const CProfile& profile);
// Writes all thirteen keys in their order; false when the file could not be written.
bool SavePrintSettings(CProfile& profile, const CPrintSettings& settings);

// The single-line profile form of a text and back ("\n" line breaks, "\\").
std::string EscapeProfileText(std::string_view text);
std::string UnescapeProfileText(std::string_view stored);

}  // namespace skrybon

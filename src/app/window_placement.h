// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's placement as the profile section "Main Window State"
// keeps it: the normal-position rectangle and how the window was shown when
// it closed. Missing keys take their defaults and are written at once; a
// stored rectangle that lies wholly off the screen falls back to the defaults,
// and one larger than the screen it lands on is made to fit that screen.
#pragma once

#include <span>

#include "ui/profile.h"

namespace skrybon {

inline constexpr std::string_view kPlacementSection = "Main Window State";

// A window's rectangle, or a screen's available area, in screen pixels.
struct CPlacementRect {
  int left = 50;
  int top = 50;
  int width = 631;
  int height = 462;
  friend bool operator==(const CPlacementRect&, const CPlacementRect&) = default;
};

// The values of "Style".
enum class CStoredShow { Normal = 0, Maximized = 0x01000000, Minimized = 0x20000000 };

// How the window is shown at start-up, chosen from "Style".
enum class CShowCommand { AsStarted, Restore, Maximized, Minimized };

// Reads "Left", "Top", "Width", "Height" in that order; the missing keys take
// their defaults, which are written together in one write. A rectangle that
// does not overlap (0, 0, screenWidth - 10, screenHeight - 10), or has no
// size, becomes the defaults.
CPlacementRect LoadPlacement(CProfile& profile, int screenWidth, int screenHeight);

// Holds a rectangle to the screen it overlaps most (the first screen when it
// overlaps none): a width or height larger than that screen's available area
// becomes the area's, and the window then starts at the area's edge. A window
// that fits keeps its place, even partly off the screen. No screens: unchanged.
CPlacementRect HoldToScreen(const CPlacementRect& rect, std::span<const CPlacementRect> screens);

// Reads "Style" (65535 = never saved).
CShowCommand LoadShowCommand(const CProfile& profile);

// Sets the four numbers and "Style"; the profile's Flush writes them.
void StorePlacement(CProfile& profile, const CPlacementRect& rect, CStoredShow show);

}  // namespace skrybon

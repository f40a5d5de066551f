// SPDX-License-Identifier: GPL-2.0-or-later
// Where reading windows stand in a cascade: each one three quarters of the
// window area in size, every next one a step further down and to the right.
// New windows take the next place; "&Kaskada" lines all of them up again.
#pragma once

namespace skrybon {

struct CascadeRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  friend bool operator==(const CascadeRect&, const CascadeRect&) = default;
};

// The rectangle of the window at `position` (0 = the corner) in an area of
// the given size: three quarters of the area, at least the minimum size. The
// steps start again at the corner after eight windows, or sooner when the
// next step would push the window past the area's right or bottom edge.
CascadeRect CascadePlace(int position, int areaWidth, int areaHeight, int minWidth, int minHeight);

}  // namespace skrybon

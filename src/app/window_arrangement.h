// SPDX-License-Identifier: GPL-2.0-or-later
// The "Okna" commands that lay out the sub-windows of the window area:
// cascade (the active window on top, furthest along; every window the size a
// new one gets), tile (the active window first) and line up the minimised
// windows in rows from the area's bottom-left corner upwards. Cascade and
// tiling leave minimised and hidden windows where they are and restore
// maximised ones first.
#pragma once

class QMdiArea;

namespace skrybon {

void CascadeSubWindows(QMdiArea& area);
// sideBySide: more columns than rows, filled row by row; otherwise more rows
// than columns, filled column by column.
void TileSubWindows(QMdiArea& area, bool sideBySide);
void ArrangeMinimizedSubWindows(QMdiArea& area);

}  // namespace skrybon

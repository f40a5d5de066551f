// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <cmath>

#include "reading/child_frame.h"
#include "reading/window_cascade.h"

namespace skrybon {

// The platform's cascade shrinks every window to its smallest useful size, so
// verses wrapped after a few words; the windows keep the size new ones get.
void CascadeSubWindows(QMdiArea& area) {
  QMdiSubWindow* active = area.activeSubWindow();
  int position = 0;
  // Least recently active first: the active window ends on top, furthest along.
  for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::ActivationHistoryOrder)) {
    if (sub->isMinimized() || !sub->isVisible()) continue;
    if (sub->isMaximized()) sub->showNormal();
    const QSize size = area.viewport()->size();
    const CascadeRect r = CascadePlace(position++, size.width(), size.height(), CChildFrame::kMinimumWidth,
                                       CChildFrame::kMinimumHeight);
    sub->setGeometry(r.x, r.y, r.width, r.height);
    sub->raise();
  }
  if (active != nullptr) area.setActiveSubWindow(active);
}

void TileSubWindows(QMdiArea& area, bool sideBySide) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::ActivationHistoryOrder))
    if (!sub->isMinimized() && sub->isVisible()) windows.prepend(sub);  // active first
  const int n = static_cast<int>(windows.size());
  if (n == 0) return;
  const QRect rect = area.viewport()->rect();
  const int big = n <= 3 ? n : static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
  const int small = (n + big - 1) / big;
  const int cols = sideBySide ? big : small;
  const int rows = sideBySide ? small : big;
  for (int i = 0; i < n; ++i) {
    const int col = sideBySide ? i % cols : i / rows;
    const int row = sideBySide ? i / cols : i % rows;
    const int x0 = rect.left() + rect.width() * col / cols;
    const int x1 = rect.left() + rect.width() * (col + 1) / cols;
    const int y0 = rect.top() + rect.height() * row / rows;
    const int y1 = rect.top() + rect.height() * (row + 1) / rows;
    QMdiSubWindow* sub = windows[i];
    if (sub->isMaximized()) sub->showNormal();
    sub->setGeometry(x0, y0, x1 - x0, y1 - y0);
  }
}

void ArrangeMinimizedSubWindows(QMdiArea& area) {
  const QRect rect = area.viewport()->rect();
  int x = rect.left();
  int y = rect.bottom() + 1;
  for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isMinimized()) continue;
    const QSize size = sub->size();
    if (x > rect.left() && x + size.width() > rect.right()) {
      x = rect.left();
      y -= size.height();
    }
    sub->move(x, y - size.height());
    x += size.width();
  }
}

}  // namespace skrybon

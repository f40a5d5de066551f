// SPDX-License-Identifier: GPL-2.0-or-later
// The navigation bar's history button: a small flat button drawn with a
// down-pointing arrow (raised while the mouse is over it, sunken while
// pressed or while its menu is open) that pops up the menu of a reading
// window's earlier places and reports which one was chosen.
#pragma once

#include <QAbstractButton>
#include <memory>
#include <optional>

#include "reading/place_history.h"

class QMenu;

namespace skrybon {

class CHistoryButton : public QAbstractButton {
 public:
  explicit CHistoryButton(QWidget* parent = nullptr);

  QSize sizeHint() const override;

  // Shows the menu of the history's earlier places under the button (its
  // top-right corner at the button's bottom-right corner) and returns the
  // chosen entry's 1-based position in the history, or 0 when nothing was
  // chosen.
  int ShowHistoryMenu(const CPlaceHistory& history);
  // The place of an id ShowHistoryMenu returned, as the history stood then.
  std::optional<VerseRef> ChosenPlace(int id) const { return lastMenu_.PlaceOf(id); }

  // The menu ShowHistoryMenu shows: one item per earlier place, each with its
  // position as data; the translation code after the tab shows right-aligned.
  static std::unique_ptr<QMenu> CreateHistoryMenu(const HistoryMenu& menu);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void DrawArrow(QPainter& painter, const QRect& area, const QColor& color) const;

  bool menuShown_ = false;
  HistoryMenu lastMenu_;
};

}  // namespace skrybon

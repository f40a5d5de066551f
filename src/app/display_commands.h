// SPDX-License-Identifier: GPL-2.0-or-later
// The "Widok" commands that change the display settings: the colours dialog
// (ID_VIEW_COLORS), the font dialog (ID_VIEW_FONT), the found words' marking
// (ID_VIEW_FOUND_WORDS, checked while on), and the verse font one step larger
// or smaller (ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, each disabled at its end of
// the scale) for all windows; ID_VIEW_ZOOM_RESET returns to the size before
// the first step, and is enabled only after one. A size chosen in the font
// dialog is the one the reset later returns to. Every change goes to apply
// whole; a dialog closed without OK changes nothing. The frame asks these
// commands from its own command handling.
#pragma once

#include <functional>
#include <optional>

#include "ui/command_target.h"
#include "ui/display_settings.h"

class QWidget;

namespace skrybon {

class CDisplayCommands : public ICommandTarget {
 public:
  // settings: the settings in use, read at every command (the owner keeps
  // them up to date); apply replaces them. The dialogs open over owner.
  CDisplayCommands(QWidget& owner, const CDisplaySettings& settings,
                   std::function<void(const CDisplaySettings&)> apply);

  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

 private:
  void Colors();
  void Font();
  // One step larger (direction > 0) or smaller.
  void Zoom(int direction);
  void ZoomReset();

  QWidget& owner_;
  const CDisplaySettings& settings_;
  std::function<void(const CDisplaySettings&)> apply_;
  std::optional<int> heightBeforeZoom_;  // the font height before the first size step
};

}  // namespace skrybon

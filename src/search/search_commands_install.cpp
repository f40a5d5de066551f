// SPDX-License-Identifier: GPL-2.0-or-later
// Wiring of the search command into the main frame.
#include "search/found_verses_bar.h"
#include "search/search_commands.h"
#include "ui/frame_host.h"

namespace skrybon {

CSearchCommands* CSearchCommands::Install(IFrameHost& frame, CReadingWindows& windows) {
  CFoundVersesBar* bar = CFoundVersesBar::Install(frame);
  auto* search = new CSearchCommands(windows, *bar, &frame, &frame);
  frame.AddCommandTarget(search);
  return search;
}

}  // namespace skrybon

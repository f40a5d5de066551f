// SPDX-License-Identifier: GPL-2.0-or-later
// Wiring of the search command and the found-verses bar into the main frame.
#include "app/main_frame.h"
#include "reading/child_frame.h"
#include "reading/translation_windows.h"
#include "search/found_verses_bar.h"
#include "search/search_dialog.h"
#include "search/search_commands.h"

namespace skrybon {

CFoundVersesBar* CFoundVersesBar::Install(CMainFrame& frame) {
  CMainFrame* owner = &frame;
  auto* bar = new CFoundVersesBar([owner] { return qobject_cast<CChildFrame*>(owner->ActiveReadingWindow()); });
  bar->SetCommandRouter([owner](int id) { return owner->ExecuteCommand(id); },
                        [owner](int id, CCmdUI& ui) { return owner->UpdateCommand(id, ui); });
  frame.SetFoundVersesBar(bar, bar);
  QObject::connect(&frame, &CMainFrame::activeReadingWindowChanged, bar, &CFoundVersesBar::Refresh);
  QObject::connect(&frame, &CMainFrame::translationReloaded, bar, &CFoundVersesBar::Refresh);
  bar->Refresh();
  return bar;
}

CSearchCommands* CSearchCommands::Install(CMainFrame& frame) {
  auto* windows = frame.findChild<CReadingWindows*>();
  if (windows == nullptr) return nullptr;
  CFoundVersesBar* bar = CFoundVersesBar::Install(frame);
  auto* search = new CSearchCommands(*windows, *bar, &frame, &frame);
  frame.AddCommandTarget(search);
  return search;
}

}  // namespace skrybon

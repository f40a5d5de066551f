// SPDX-License-Identifier: GPL-2.0-or-later
// Wiring of the reading windows into the main frame.
#include <QMdiArea>

#include "reading/reading_windows.h"
#include "ui/frame_host.h"
#include "ui/icons.h"

namespace skrybon {

CReadingWindows* CReadingWindows::Install(IFrameHost& frame) {
  auto* windows = new CReadingWindows(*frame.MdiArea(), frame.Data(), &frame);
  windows->SetLookSource([&frame] {
    const CQtDisplayColors colors = frame.DisplayColors();
    CVerseListLook look;
    look.font = frame.DisplayFont();
    look.background = colors.background;
    look.text = colors.text;
    look.numbers = colors.numbers;
    look.highlightText = colors.highlightText;
    look.highlightBackground = colors.highlightBackground;
    look.foundWords = colors.foundWords;
    look.showFoundWords = frame.DisplaySettings().highlightFoundWords;
    return look;
  });
  windows->SetIconSource([](TranslationId id) { return TranslationIcon(id); });
  windows->SetCommandRouter([&frame](int id) { return frame.ExecuteCommand(id); },
                            [&frame](int id, CCmdUI& ui) { return frame.UpdateCommand(id, ui); });
  windows->SetReloadHook([&frame] { frame.ReloadChangedTranslations(); });
  QObject::connect(&frame, &IFrameHost::displaySettingsChanged, windows, &CReadingWindows::RelayoutAll);
  QObject::connect(&frame, &IFrameHost::translationReloaded, windows, &CReadingWindows::ShowReloadedTranslation);
  frame.AddCommandTarget(windows);
  return windows;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// What the program's windows and commands see of the main frame: the
// loaded translations and the profile, the window area and its active
// reading window, the two bars whose contents they supply, the command
// chain, the display settings and the prompt pane. The installers of
// reading/, search/, export/, print/ and ui/ take it instead of the frame
// itself. It is a main window, so that they can parent their windows and
// dialogs on it and connect to its signals; the frame (app/main_frame.h)
// implements every function.
//
// Signals: displaySettingsChanged() each time the display settings were
// replaced: colours, font, its size, the found words' marking (verse lists
// re-measure and repaint);
// activeReadingWindowChanged() when the current sub-window changes, also to
// none; translationReloaded(id) after a translation was read again (its
// windows and found lists follow).
#pragma once

#include <QFont>
#include <QMainWindow>

#include "data/translation.h"
#include "ui/command_target.h"
#include "ui/display_qt.h"
#include "ui/display_settings.h"

class QMdiArea;
class QMdiSubWindow;

namespace skrybon {

class CProfile;
class CScriptureData;

class IFrameHost : public QMainWindow {
  Q_OBJECT

 public:
  using QMainWindow::QMainWindow;

  virtual CScriptureData& Data() = 0;
  virtual CProfile& Profile() = 0;
  // The sub-window area; its current sub-window is the active reading window.
  virtual QMdiArea* MdiArea() const = 0;
  virtual QMdiSubWindow* ActiveReadingWindow() const = 0;

  // A frame-level command target, asked after the bars and the active window
  // in the order added; the frame does not own it.
  virtual void AddCommandTarget(ICommandTarget* target) = 0;
  // Replace the empty placeholder bars; router (may be null) is asked for
  // every command before the active reading window.
  virtual void SetNavigationBar(QWidget* bar, ICommandTarget* router) = 0;
  virtual void SetFoundVersesBar(QWidget* bar, ICommandTarget* router) = 0;

  // Routes a command as a menu item would; false when it is disabled or
  // nobody handles it.
  virtual bool ExecuteCommand(int id) = 0;
  // Asks the chain for a command's state; false when nobody handles it.
  virtual bool UpdateCommand(int id, CCmdUI& ui) = 0;

  virtual const CDisplaySettings& DisplaySettings() const = 0;
  // The verse font as Qt uses it (face mapped to one that shows Polish text).
  virtual QFont DisplayFont() const = 0;
  virtual CQtDisplayColors DisplayColors() const = 0;

  // Shows what a command did in the prompt pane for a few seconds and has
  // screen readers speak it.
  virtual void Announce(const QString& text) = 0;
  // Reads again every translation whose index file is no longer the one read
  // and emits translationReloaded for each.
  virtual void ReloadChangedTranslations() = 0;

 signals:
  void displaySettingsChanged();
  void activeReadingWindowChanged();
  void translationReloaded(skrybon::TranslationId id);
};

}  // namespace skrybon

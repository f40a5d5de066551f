// SPDX-License-Identifier: GPL-2.0-or-later
// The program's only top-level window: the multiple-document area holding the
// reading windows, the menu bars, the tool bar, the navigation and
// found-verses bars, the status bar, the display settings and the window
// placement kept in the profile.
//
// Commands. Every command number of ui/command_ids.h has one QAction (see
// CommandAction); menus, accelerators and tool-bar buttons trigger it. A
// command goes to the first target that handles it, in this order:
//   1. the navigation bar's router (SetNavigationBar), then the found-verses
//      bar's router (SetFoundVersesBar),
//   2. the active reading window (ActiveTarget: the current sub-window, when
//      it implements ICommandTarget),
//   3. the frame-level targets added with AddCommandTarget, in order,
//   4. the frame itself (bars, display settings, windows, About, exit).
// The same chain answers update requests. RefreshCommandStates recomputes the
// enabled and checked state of every command; the frame runs it on focus
// changes, sub-window activation, before a menu opens, before an accelerator
// is matched, after every command and from a short timer, and ExecuteCommand
// asks the chain again before carrying a command out, so a disabled command is
// never carried out. A command no target handles stays disabled.
//
// API for the other windows:
//   Data()                   the loaded translations
//   Profile()                the application profile (print settings use it)
//   MdiArea()                the sub-window area (activation in history order)
//   ActiveTarget()           the current reading window as ICommandTarget, or null
//   AddCommandTarget(t)      frame-level handlers (opening windows, search...)
//   RemoveCommandTarget(t)
//   SetNavigationBar(bar, router)   puts bar into the navigation bar (32805)
//   SetFoundVersesBar(bar, router)  puts bar into the found-verses bar (112)
//   DisplaySettings(), DisplayFont(), DisplayColors()   verse font and colours
//   SetDisplaySettings(s)    replaces them and emits displaySettingsChanged()
//   (the "Widok" commands also switch the found words' colour and step the
//   verse font's size; Ctrl+0 returns to the size before the first step)
//   ExecuteCommand(id)       routes a command as a menu item would
//   CommandAction(id)        the QAction of a command
//   RefreshCommandStates()
//   ShowStatusMessage(text)  a message in the prompt pane ("" = idle "Gotowe.")
//   ReloadChangedTranslations()  reads again every translation whose index
//                            file changed, appeared or went (after an import)
//   Announce(text)           a report in the prompt pane, also spoken by screen readers
// Signals: displaySettingsChanged() once after OK in the colours or font
// dialog (verse lists re-measure and repaint); activeReadingWindowChanged()
// when the current sub-window changes (also to none); translationReloaded(id)
// after a translation was read again (its windows and found lists follow).
//
// Changed translations. The frame watches the data folders and the index
// files; a change there, the program's activation and the reading windows
// (before they read a book file through a changed index) all lead to
// ReloadChangedTranslations. While no translation is installed and no
// reading window is open the window area shows the welcome panel.
#pragma once

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/scripture_data.h"
#include "ui/command_target.h"
#include "ui/display_settings.h"
#include "ui/profile.h"

class QAction;
class QDockWidget;
class QFileSystemWatcher;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;

namespace skrybon {

class CReadingWindows;
class CStatusAnnouncer;
class CStatusPanes;
class CWelcomePanel;

// The display colours as Qt colours.
struct CQtDisplayColors {
  QColor background;
  QColor text;
  QColor numbers;
  QColor highlightText;
  QColor highlightBackground;
  QColor foundWords;
};

class CMainFrame : public QMainWindow, private ICommandTarget {
  Q_OBJECT

 public:
  // data is already loaded; profile outlives the frame. The frame reads its
  // display settings from the profile; the placement is applied by
  // ApplyStoredPlacement (the program calls it before showing the frame).
  CMainFrame(CScriptureData& data, CProfile& profile, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CScriptureData& Data() { return data_; }
  CProfile& Profile() { return profile_; }
  QMdiArea* MdiArea() const { return mdi_; }

  // The current sub-window as a command target, or null.
  ICommandTarget* ActiveTarget() const;
  QMdiSubWindow* ActiveReadingWindow() const;

  void AddCommandTarget(ICommandTarget* target);
  void RemoveCommandTarget(ICommandTarget* target);

  // Replace the empty placeholder bars; router (may be null) handles commands.
  // The navigation bar's router also comes first in the routing.
  void SetNavigationBar(QWidget* bar, ICommandTarget* router);
  void SetFoundVersesBar(QWidget* bar, ICommandTarget* router);
  QDockWidget* NavigationBarDock() const { return navigationDock_; }
  QDockWidget* FoundVersesBarDock() const { return foundVersesDock_; }
  QToolBar* ToolBar() const { return toolBar_; }

  const CDisplaySettings& DisplaySettings() const { return settings_; }
  // The verse font as Qt uses it (face mapped to one that shows Polish text).
  QFont DisplayFont() const;
  CQtDisplayColors DisplayColors() const;
  void SetDisplaySettings(const CDisplaySettings& settings);

  // Routes a command; false when it is disabled or nobody handles it.
  bool ExecuteCommand(int id);
  // Asks the chain for a command's state; false when nobody handles it.
  bool UpdateCommand(int id, CCmdUI& ui);
  QAction* CommandAction(int id) const;
  void RefreshCommandStates();

  void ShowStatusMessage(const QString& text);
  // Shows what a command did in the prompt pane for a few seconds and has
  // screen readers speak it.
  void Announce(const QString& text);

  // Reads again every translation whose index file is no longer the one read,
  // then emits translationReloaded for each and brings the commands, the
  // welcome panel and the watched folders up to date.
  void ReloadChangedTranslations();
  // The welcome panel (visible while nothing is installed and no window is open).
  QWidget* WelcomePanel() const;

  // Where the frame's own failure messages go (a message box unless set).
  void SetMessageSink(std::function<void(const QString&)> sink) { messageSink_ = std::move(sink); }
  // Where a question "Ponów" / "Anuluj" goes (true = "Ponów"); a message box unless set.
  void SetRetrySink(std::function<bool(const QString&)> sink) { retrySink_ = std::move(sink); }

  // Placement from the profile section "Main Window State": geometry now,
  // and the window state to show with (normal, maximised, minimised).
  void ApplyStoredPlacement();
  void ShowAsStored();
  // With "Otwieraj okna z poprzedniej sesji" on, opens the reading windows
  // the last run left open (after the frame is shown, so that they fit it).
  void RestoreLastSession();

  // The normal-position rectangle kept for saving.
  QRect NormalRect() const { return normalRect_; }

  // The menu bar layout in use: 140 (no reading window) or 141.
  int MenuBarId() const { return menuBarId_; }
  QMenu* ContextMenu() const { return contextMenu_; }

 signals:
  void displaySettingsChanged();
  void activeReadingWindowChanged();
  void translationReloaded(skrybon::TranslationId id);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Prompts of menu items and buttons go to the prompt pane.
  bool event(QEvent* event) override;

 private:
  std::function<void(const QString&)> messageSink_;
  std::function<bool(const QString&)> retrySink_;
  bool OnUpdateCommand(int id, CCmdUI& ui) override;
  bool OnCommand(int id) override;

  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateDockBars();
  void CreateStatusBar();
  void UpdateMenuBar();
  void OnSubWindowActivated();
  void ShowContextMenu(const QPoint& globalPos);
  void ColorsCommand();
  void FontCommand();
  // One step larger (direction > 0) or smaller of the verse font, for all windows.
  void ZoomCommand(int direction);
  void ZoomResetCommand();
  void CloseActiveWindow();
  void CascadeWindows();
  void TileWindows(bool sideBySide);
  void ArrangeIcons();
  std::vector<ICommandTarget*> Chain();
  static bool UpdateCommandIn(const std::vector<ICommandTarget*>& chain, int id, CCmdUI& ui);
  void SetBar(QDockWidget* dock, QWidget* bar, ICommandTarget*& routerSlot, ICommandTarget* router);
  void SaveOnClose();
  bool AskRetry(const QString& text);
  void ShowFrameMessage(const QString& text);
  void WatchDataFolders();
  void UpdateWelcomePanel();
  QString TranslationFolderLines() const;
  void RememberNormalRect();
  QMenu* NewMenu(const QString& title);

  CScriptureData& data_;
  CProfile& profile_;
  CDisplaySettings settings_;
  QFont displayFont_;  // made from settings_.font whenever it changes
  std::optional<int> heightBeforeZoom_;  // the font height before the first size step
  bool restoreSession_ = false;          // "Otwieraj okna z poprzedniej sesji"
  CReadingWindows* readingWindows_ = nullptr;
  QRect normalRect_;
  int storedStyle_ = kProfileMissing;
  int menuBarId_ = 0;
  bool refreshing_ = false;
  QMetaObject::Connection focusConnection_;

  QMdiArea* mdi_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QDockWidget* navigationDock_ = nullptr;
  QDockWidget* foundVersesDock_ = nullptr;
  CStatusPanes* statusPanes_ = nullptr;
  QLabel* prompt_ = nullptr;
  CStatusAnnouncer* announcer_ = nullptr;
  QTimer* refreshTimer_ = nullptr;
  QMenu* contextMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  std::vector<QMenu*> menus140_;
  std::vector<QMenu*> menus141_;
  std::multimap<int, QAction*> actions_;  // every action of each command
  std::map<int, QAction*> mainActions_;
  std::vector<QAction*> windowListActions_;
  QPointer<QMdiSubWindow> lastActive_;

  ICommandTarget* navigationRouter_ = nullptr;
  ICommandTarget* foundVersesRouter_ = nullptr;
  std::vector<ICommandTarget*> targets_;

  struct COwnTexts {
    QString text;
    QString statusTip;
    QString toolTip;
  };
  std::map<const QAction*, COwnTexts> ownTexts_;  // each action's own, for when an update stops replacing them
  CWelcomePanel* welcome_ = nullptr;
  QFileSystemWatcher* watcher_ = nullptr;
  QTimer* reloadTimer_ = nullptr;
  bool reloading_ = false;
};

}  // namespace skrybon

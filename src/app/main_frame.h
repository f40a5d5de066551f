// SPDX-License-Identifier: GPL-2.0-or-later
// The program's only top-level window: the multiple-document area holding the
// reading windows, the menu bars, the tool bar, the navigation and
// found-verses bars, the status bar, the display settings and the window
// placement kept in the profile.
//
// Commands. Every command number of ui/command_ids.h has one QAction (see
// CommandAction); menus, accelerators and tool-bar buttons trigger it and
// ExecuteCommand routes it along the chain that Chain() (main_frame.cpp)
// builds and describes. RefreshCommandStates recomputes the enabled and
// checked state of every command; the frame runs it on focus changes,
// sub-window activation, before a menu opens, before an accelerator is
// matched, after every command and from a short timer, and ExecuteCommand
// asks the chain again before carrying a command out, so a disabled command is
// never carried out. A command no target handles stays disabled.
//
// The windows and commands below app/ see the frame as IFrameHost
// (ui/frame_host.h), which also declares its signals. Beyond it:
//   ActiveTarget()           the current reading window as ICommandTarget, or null
//   RemoveCommandTarget(t)
//   NavigationBarDock(), FoundVersesBarDock(), ToolBar()   the bars
//     (ID_VIEW_NAVIGATION_BAR, ID_VIEW_FOUND_VERSES_BAR, ID_VIEW_TOOLBAR)
//   SetDisplaySettings(s)    replaces them and emits displaySettingsChanged()
//                            (the "Widok" commands of app/display_commands.h use it)
//   CommandAction(id)        the QAction of a command
//   RefreshCommandStates()
//   ShowStatusMessage(text)  a message in the prompt pane ("" = idle "Gotowe.")
//
// Changed translations. The frame watches the data folders and the index
// files; a change there, the program's activation and the reading windows
// (before they read a book file through a changed index) all lead to
// ReloadChangedTranslations. While no translation is installed and no
// reading window is open the window area shows the welcome panel.
#pragma once

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/display_commands.h"
#include "data/scripture_data.h"
#include "ui/command_target.h"
#include "ui/display_settings.h"
#include "ui/frame_host.h"
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

class CMainFrame : public IFrameHost, private ICommandTarget {
  Q_OBJECT

 public:
  // data is already loaded; profile outlives the frame. The frame reads its
  // display settings from the profile; the placement is applied by
  // ApplyStoredPlacement (the program calls it before showing the frame).
  CMainFrame(CScriptureData& data, CProfile& profile, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CScriptureData& Data() override { return data_; }
  CProfile& Profile() override { return profile_; }
  QMdiArea* MdiArea() const override { return mdi_; }

  // The current sub-window as a command target, or null.
  ICommandTarget* ActiveTarget() const;
  QMdiSubWindow* ActiveReadingWindow() const override;

  void AddCommandTarget(ICommandTarget* target) override;
  void RemoveCommandTarget(ICommandTarget* target);

  void SetNavigationBar(QWidget* bar, ICommandTarget* router) override;
  void SetFoundVersesBar(QWidget* bar, ICommandTarget* router) override;
  QDockWidget* NavigationBarDock() const { return navigationDock_; }
  QDockWidget* FoundVersesBarDock() const { return foundVersesDock_; }
  QToolBar* ToolBar() const { return toolBar_; }

  const CDisplaySettings& DisplaySettings() const override { return settings_; }
  QFont DisplayFont() const override;
  CQtDisplayColors DisplayColors() const override;
  void SetDisplaySettings(const CDisplaySettings& settings);

  bool ExecuteCommand(int id) override;
  bool UpdateCommand(int id, CCmdUI& ui) override;
  QAction* CommandAction(int id) const;
  void RefreshCommandStates();

  void ShowStatusMessage(const QString& text);
  void Announce(const QString& text) override;

  // Also brings the commands, the welcome panel and the watched folders up to date.
  void ReloadChangedTranslations() override;
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

  // The menu bar layout in use: IDR_MENU_NO_WINDOW or IDR_MENU_WITH_WINDOW.
  int MenuBarId() const { return menuBarId_; }
  QMenu* ContextMenu() const { return contextMenu_; }

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
  void CloseActiveWindow();
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
  CDisplayCommands displayCommands_;
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

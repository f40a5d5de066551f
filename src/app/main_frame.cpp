// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "app/command_table.h"
#include "app/welcome_panel.h"
#include "app/window_arrangement.h"
#include "app/window_placement.h"
#include "export/export_commands.h"
#include "print/print_commands.h"
#include "reading/navigation_bar.h"
#include "reading/reading_windows.h"
#include "search/search_commands.h"
#include "ui/about_dialog.h"
#include "ui/command_ids.h"
#include "ui/display_qt.h"
#include "ui/help_commands.h"
#include "ui/icons.h"
#include "ui/qt_text.h"
#include "ui/resource_commands.h"
#include "ui/status_announcer.h"
#include "ui/status_panes.h"

namespace skrybon {
namespace {

constexpr int kRefreshPeriodMs = 200;
// An import renames its files within moments; the translations are read
// again once the folders have been quiet this long.
constexpr int kReloadDelayMs = 700;

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

CPlacementRect Area(const QRect& r) { return CPlacementRect{r.left(), r.top(), r.width(), r.height()}; }

bool IsBarCommand(int id) {
  return id == ID_VIEW_TOOLBAR || id == ID_VIEW_NAVIGATION_BAR || id == ID_VIEW_FOUND_VERSES_BAR ||
         id == ID_VIEW_STATUS_BAR;
}

// The handle at the left end of a docked bar, drawn as two grooves; the dock
// widget drags and floats the bar by it.
class CBarGripper : public QWidget {
 public:
  explicit CBarGripper(QWidget* parent) : QWidget(parent) {}
  QSize sizeHint() const override { return QSize(8, 8); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    for (const int x : {2, 5}) {
      p.setPen(dark);
      p.drawLine(x, 3, x, height() - 4);
      p.setPen(light);
      p.drawLine(x + 1, 3, x + 1, height() - 4);
    }
  }
};

// An empty stand-in for a bar whose contents come later.
QWidget* NewPlaceholder(QWidget* parent, int height) {
  auto* w = new QWidget(parent);
  w->setMinimumHeight(height);
  return w;
}

QDockWidget* NewDialogBar(QMainWindow* frame, int id, const QString& title, int placeholderHeight) {
  auto* dock = new QDockWidget(title, frame);
  dock->setObjectName(QStringLiteral("bar%1").arg(id));
  dock->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                    QDockWidget::DockWidgetVerticalTitleBar);
  dock->setTitleBarWidget(new CBarGripper(dock));
  dock->setWidget(NewPlaceholder(dock, placeholderHeight));
  return dock;
}

}  // namespace

CMainFrame::CMainFrame(CScriptureData& data, CProfile& profile, QWidget* parent)
    : IFrameHost(parent),
      data_(data),
      profile_(profile),
      displayCommands_(*this, settings_, [this](const CDisplaySettings& changed) { SetDisplaySettings(changed); }) {
  setWindowTitle(Q(kProgramTitle));
  setWindowIcon(ProgramIcon());
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks);

  mdi_ = new QMdiArea(this);
  mdi_->setObjectName("mdiArea");
  mdi_->setAccessibleName(QStringLiteral("Okna"));
  mdi_->setActivationOrder(QMdiArea::ActivationHistoryOrder);
  mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi_->setBackground(palette().brush(QPalette::Dark));
  mdi_->viewport()->installEventFilter(this);
  setCentralWidget(mdi_);

  CreateActions();
  CreateToolBar();
  CreateStatusBar();
  CreateDockBars();
  CreateMenus();

  settings_ = CDisplaySettings::Load(profile_, SystemColors(QApplication::palette()));
  displayFont_ = ToQFont(settings_.font);

  connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow*) { OnSubWindowActivated(); });
  focusConnection_ = connect(qApp, &QApplication::focusChanged, this, [this] { RefreshCommandStates(); });
  qApp->installEventFilter(this);
  refreshTimer_ = new QTimer(this);
  refreshTimer_->setInterval(kRefreshPeriodMs);
  connect(refreshTimer_, &QTimer::timeout, this, &CMainFrame::RefreshCommandStates);
  refreshTimer_->start();

  normalRect_ = QRect(pos(), size());
  welcome_ = new CWelcomePanel(*CommandAction(ID_DOWNLOAD_TRANSLATION), *CommandAction(ID_ADD_TRANSLATION),
                              mdi_->viewport());
  QStringList folders;
  for (const std::string& folder : data_.LookedIn()) folders << QString::fromStdString(folder);
  welcome_->SetFolders(folders);
  welcome_->hide();
  watcher_ = new QFileSystemWatcher(this);
  reloadTimer_ = new QTimer(this);
  reloadTimer_->setSingleShot(true);
  reloadTimer_->setInterval(kReloadDelayMs);
  connect(reloadTimer_, &QTimer::timeout, this, &CMainFrame::ReloadChangedTranslations);
  connect(watcher_, &QFileSystemWatcher::directoryChanged, reloadTimer_, qOverload<>(&QTimer::start));
  connect(watcher_, &QFileSystemWatcher::fileChanged, reloadTimer_, qOverload<>(&QTimer::start));
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive) ReloadChangedTranslations();
  });
  WatchDataFolders();
  restoreSession_ = LoadSessionOption(profile_);
  readingWindows_ = CReadingWindows::Install(*this);
  CNavigationBar::Install(*this);
  CSearchCommands::Install(*this, *readingWindows_);
  CResourceCommands::Install(*this, [this] { ReloadChangedTranslations(); });
  CPrintCommands::Install(*this);
  CHelpCommands::Install(*this);
  CExportCommands::Install(*this, *readingWindows_);
  RefreshCommandStates();
  UpdateWelcomePanel();
}

CMainFrame::~CMainFrame() {
  // The widgets' destruction below moves the focus; the frame no longer answers.
  disconnect(focusConnection_);
  mdi_->blockSignals(true);
  refreshTimer_->stop();
  qApp->removeEventFilter(this);
  refreshing_ = true;
}

// --- Commands --------------------------------------------------------------

void CMainFrame::CreateActions() {
  for (const CCommandInfo& info : AllCommands()) {
    auto* action = new QAction(this);
    action->setObjectName(QStringLiteral("command%1").arg(info.id));
    action->setData(info.id);
    action->setText(Q(info.menuText));
    action->setStatusTip(Q(info.prompt));
    action->setToolTip(info.toolTip.empty() ? Q(info.menuText).section('\t', 0, 0).remove('&') : Q(info.toolTip));
    if (!info.accelerator.empty()) {
      action->setShortcuts(QKeySequence::listFromString(Q(info.accelerator)));
      action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setIconVisibleInMenu(true);
    if (HasCommandIcon(info.id)) action->setIcon(CommandIcon(info.id));
    if (IsBarCommand(info.id)) action->setCheckable(true);
    action->setEnabled(false);
    const int id = info.id;
    connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
    addAction(action);  // accelerators work whichever menu bar is shown
    mainActions_[id] = action;
    actions_.emplace(id, action);
  }
}

QMenu* CMainFrame::NewMenu(const QString& title) {
  auto* menu = new QMenu(title, this);
  connect(menu, &QMenu::aboutToShow, this, [this] {
    RefreshCommandStates();
    statusPanes_->SetPanesVisible(false);  // long prompts get the whole bar
  });
  connect(menu, &QMenu::aboutToHide, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (QApplication::activePopupWidget() != nullptr) return;
      statusPanes_->SetPanesVisible(true);
      ShowStatusMessage(QString());
    });
  });
  return menu;
}

void CMainFrame::CreateMenus() {
  const auto build = [this](int menuId, std::vector<QMenu*>& topLevel) {
    std::vector<QMenu*> stack;
    for (const CMenuEntry& entry : MenuLayout(menuId)) {
      if (entry.id == kSubmenuBegin) {
        QMenu* menu = NewMenu(Q(entry.title));
        menu->setObjectName(QStringLiteral("menu%1_%2").arg(menuId).arg(Q(entry.title).remove('&')));
        if (stack.empty()) topLevel.push_back(menu);
        else stack.back()->addMenu(menu);
        stack.push_back(menu);
      } else if (entry.id == kSubmenuEnd) {
        if (!stack.empty()) stack.pop_back();
      } else if (entry.id == kMenuSeparator) {
        if (!stack.empty()) stack.back()->addSeparator();
      } else if (!stack.empty()) {
        QAction* action = mainActions_.at(entry.id);
        if (!entry.title.empty()) {
          // An item with its own text (the context menu): a second action
          // that carries out the same command.
          auto* own = new QAction(Q(entry.title), this);
          own->setData(entry.id);
          own->setStatusTip(action->statusTip());
          own->setIcon(action->icon());
          own->setEnabled(action->isEnabled());
          const int id = entry.id;
          connect(own, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
          actions_.emplace(entry.id, own);
          action = own;
        }
        stack.back()->addAction(action);
      }
    }
  };
  build(IDR_MENU_NO_WINDOW, menus140_);
  build(IDR_MENU_WITH_WINDOW, menus141_);
  std::vector<QMenu*> context;
  build(IDR_CONTEXT_MENU, context);
  contextMenu_ = context.empty() ? nullptr : context.front();

  for (QMenu* menu : menus141_)
    if (menu->title() == QStringLiteral("O&kna")) windowMenu_ = menu;
  if (windowMenu_ != nullptr) {
    connect(windowMenu_, &QMenu::aboutToShow, this, [this] {
      for (QAction* a : windowListActions_) {
        windowMenu_->removeAction(a);
        a->deleteLater();
      }
      windowListActions_.clear();
      const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
      if (windows.isEmpty()) return;
      windowListActions_.push_back(windowMenu_->addSeparator());
      int n = 0;
      for (QMdiSubWindow* sub : windows) {
        ++n;
        const QString title = sub->windowTitle();
        const QString text = n <= 9 ? QStringLiteral("&%1 %2").arg(n).arg(title)
                                    : QStringLiteral("%1 %2").arg(n).arg(title);
        QAction* a = windowMenu_->addAction(text);
        // Only the active window carries a check mark.
        const bool active = sub == mdi_->currentSubWindow();
        a->setCheckable(active);
        a->setChecked(active);
        QPointer<QMdiSubWindow> target(sub);
        connect(a, &QAction::triggered, this, [this, target] {
          if (target) {
            if (target->isMinimized()) target->showNormal();
            mdi_->setActiveSubWindow(target);
          }
        });
        windowListActions_.push_back(a);
      }
    });
  }
  UpdateMenuBar();
  // F10 opens the first menu, as on Windows and the Linux desktops.
  connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this, [this] {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty()) menuBar()->setActiveAction(menus.first());
  });
}

void CMainFrame::UpdateMenuBar() {
  const int wanted = mdi_->subWindowList().isEmpty() ? IDR_MENU_NO_WINDOW : IDR_MENU_WITH_WINDOW;
  if (wanted == menuBarId_) return;
  menuBarId_ = wanted;
  QMenuBar* bar = menuBar();
  bar->clear();
  for (QMenu* menu : wanted == IDR_MENU_NO_WINDOW ? menus140_ : menus141_) bar->addMenu(menu);
}

void CMainFrame::CreateToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Narzędzia"), this);
  toolBar_->setObjectName(QStringLiteral("bar%1").arg(ID_VIEW_TOOLBAR));
  toolBar_->setIconSize(QSize(16, 15));
  toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
  toolBar_->setFloatable(true);
  for (const int id : ToolBarLayout()) {
    if (id == 0) toolBar_->addSeparator();
    else toolBar_->addAction(mainActions_.at(id));
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::CreateStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("bar%1").arg(ID_VIEW_STATUS_BAR));
  // Every prompt shows in this label (never as the bar's own message, which
  // screen readers cannot see); its text is its accessible name. A long prompt
  // is cut at the bar's end rather than widening the window.
  prompt_ = new QLabel(Q(kIdlePrompt), bar);
  prompt_->setObjectName("promptPane");
  prompt_->setAccessibleDescription(QStringLiteral("Podpowiedź"));
  prompt_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  bar->addWidget(prompt_, 1);
  announcer_ = new CStatusAnnouncer(*prompt_, Q(kIdlePrompt));
  statusPanes_ = new CStatusPanes(bar, [this] {
    QMdiSubWindow* sub = mdi_->currentSubWindow();
    return sub != nullptr ? sub->windowTitle() : QString();
  });
}

void CMainFrame::CreateDockBars() {
  navigationDock_ = NewDialogBar(this, ID_VIEW_NAVIGATION_BAR, QStringLiteral("Pasek nawigacyjny"), 30);
  addDockWidget(Qt::TopDockWidgetArea, navigationDock_);
  foundVersesDock_ = NewDialogBar(this, ID_VIEW_FOUND_VERSES_BAR, QStringLiteral("Lista wersetów"), 30);
  addDockWidget(Qt::BottomDockWidgetArea, foundVersesDock_);
}

void CMainFrame::SetBar(QDockWidget* dock, QWidget* bar, ICommandTarget*& routerSlot, ICommandTarget* router) {
  if (bar != nullptr) {
    QWidget* old = dock->widget();
    dock->setWidget(bar);
    if (old != nullptr && old != bar) old->deleteLater();
  }
  routerSlot = router;
  RefreshCommandStates();
}

void CMainFrame::SetNavigationBar(QWidget* bar, ICommandTarget* router) {
  SetBar(navigationDock_, bar, navigationRouter_, router);
}

void CMainFrame::SetFoundVersesBar(QWidget* bar, ICommandTarget* router) {
  SetBar(foundVersesDock_, bar, foundVersesRouter_, router);
}

QMdiSubWindow* CMainFrame::ActiveReadingWindow() const { return mdi_->currentSubWindow(); }

ICommandTarget* CMainFrame::ActiveTarget() const {
  return dynamic_cast<ICommandTarget*>(mdi_->currentSubWindow());
}

void CMainFrame::AddCommandTarget(ICommandTarget* target) {
  if (target != nullptr && std::find(targets_.begin(), targets_.end(), target) == targets_.end())
    targets_.push_back(target);
  RefreshCommandStates();
}

void CMainFrame::RemoveCommandTarget(ICommandTarget* target) {
  targets_.erase(std::remove(targets_.begin(), targets_.end(), target), targets_.end());
  if (navigationRouter_ == target) navigationRouter_ = nullptr;
  if (foundVersesRouter_ == target) foundVersesRouter_ = nullptr;
  RefreshCommandStates();
}

// The command chain. A command, and an update request for its state, goes to
// each target in turn until one answers true:
//   1. the navigation bar's router (SetNavigationBar),
//   2. the found-verses bar's router (SetFoundVersesBar),
//   3. the active reading window (ActiveTarget),
//   4. the frame-level targets in the order added: the reading windows, the
//      search, the "Zasoby" commands, printing, help and the clipboard and
//      text-file commands (see the constructor),
//   5. the frame itself (bars, display settings, windows, About, exit).
// A target missing at the moment is skipped, and one met twice is asked once.
std::vector<ICommandTarget*> CMainFrame::Chain() {
  std::vector<ICommandTarget*> chain;
  const auto add = [&chain](ICommandTarget* t) {
    if (t != nullptr && std::find(chain.begin(), chain.end(), t) == chain.end()) chain.push_back(t);
  };
  add(navigationRouter_);
  add(foundVersesRouter_);
  add(ActiveTarget());
  for (ICommandTarget* t : targets_) add(t);
  add(this);
  return chain;
}

bool CMainFrame::UpdateCommand(int id, CCmdUI& ui) { return UpdateCommandIn(Chain(), id, ui); }

bool CMainFrame::UpdateCommandIn(const std::vector<ICommandTarget*>& chain, int id, CCmdUI& ui) {
  for (ICommandTarget* target : chain)
    if (target->OnUpdateCommand(id, ui)) return true;
  ui.Enable(false);
  return false;
}

bool CMainFrame::ExecuteCommand(int id) {
  CCmdUI ui;
  bool handled = false;
  if (UpdateCommand(id, ui) && ui.IsEnabled()) {
    for (ICommandTarget* target : Chain()) {
      if (target->OnCommand(id)) {
        handled = true;
        break;
      }
    }
  }
  RefreshCommandStates();
  return handled;
}

QAction* CMainFrame::CommandAction(int id) const {
  const auto it = mainActions_.find(id);
  return it == mainActions_.end() ? nullptr : it->second;
}

void CMainFrame::RefreshCommandStates() {
  if (refreshing_) return;
  refreshing_ = true;
  UpdateMenuBar();
  // Asking a target for a command's state changes no target, so one chain serves every command.
  const std::vector<ICommandTarget*> chain = Chain();
  for (const auto& [id, main] : mainActions_) {
    CCmdUI ui;
    const bool enabled = UpdateCommandIn(chain, id, ui) && ui.IsEnabled();
    const auto [first, last] = actions_.equal_range(id);
    for (auto it = first; it != last; ++it) {
      QAction* a = it->second;
      if (a->isEnabled() != enabled) a->setEnabled(enabled);
      if (ui.IsChecked() && !a->isCheckable()) a->setCheckable(true);
      if (a->isCheckable() && a->isChecked() != ui.IsChecked()) a->setChecked(ui.IsChecked());
      // Each copy of a command (menu bars, context menu) keeps its own texts to return to.
      auto own = ownTexts_.find(a);
      if (own == ownTexts_.end()) own = ownTexts_.emplace(a, COwnTexts{a->text(), a->statusTip(), a->toolTip()}).first;
      QString text = ui.Text().empty() ? own->second.text : Q(ui.Text());
      if (!ui.Note().empty()) {
        const qsizetype tab = text.indexOf('\t');
        text.insert(tab < 0 ? text.size() : tab, QLatin1Char(' ') + Q(ui.Note()));
      }
      const QString status = ui.Prompt().empty() ? own->second.statusTip : Q(ui.Prompt());
      const QString tip = ui.Prompt().empty() ? own->second.toolTip : Q(ui.Prompt());
      if (a->text() != text) a->setText(text);
      if (a->statusTip() != status) a->setStatusTip(status);
      if (a->toolTip() != tip) a->setToolTip(tip);
    }
  }
  if (statusPanes_ != nullptr) statusPanes_->UpdateTitle();
  refreshing_ = false;
}

void CMainFrame::ShowStatusMessage(const QString& text) {
  const QString shown = text.isEmpty() ? Q(kIdlePrompt) : text;
  if (prompt_->text() != shown) prompt_->setText(shown);
}

void CMainFrame::Announce(const QString& text) { announcer_->Announce(text); }

bool CMainFrame::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    ShowStatusMessage(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QMainWindow::event(event);
}

bool CMainFrame::OnUpdateCommand(int id, CCmdUI& ui) {
  if (displayCommands_.OnUpdateCommand(id, ui)) return true;
  switch (id) {
    case ID_VIEW_TOOLBAR: ui.SetCheck(toolBar_->isVisible()); return true;
    case ID_VIEW_NAVIGATION_BAR: ui.SetCheck(navigationDock_->isVisible()); return true;
    case ID_VIEW_FOUND_VERSES_BAR: ui.SetCheck(foundVersesDock_->isVisible()); return true;
    case ID_VIEW_STATUS_BAR: ui.SetCheck(statusBar()->isVisible()); return true;
    case ID_WINDOW_CASCADE:
    case ID_WINDOW_TILE_VERT:
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_ARRANGE:
    case ID_WINDOW_CLOSE: ui.Enable(mdi_->currentSubWindow() != nullptr); return true;
    case ID_VIEW_RESTORE_SESSION: ui.SetCheck(restoreSession_); return true;
    case ID_WINDOW_CLOSE_ALL:
    case ID_APP_ABOUT:
    case ID_APP_EXIT: ui.Enable(true); return true;
    default: return false;
  }
}

bool CMainFrame::OnCommand(int id) {
  if (displayCommands_.OnCommand(id)) return true;
  switch (id) {
    case ID_VIEW_TOOLBAR: toolBar_->setVisible(!toolBar_->isVisible()); return true;
    case ID_VIEW_NAVIGATION_BAR: navigationDock_->setVisible(!navigationDock_->isVisible()); return true;
    case ID_VIEW_FOUND_VERSES_BAR: foundVersesDock_->setVisible(!foundVersesDock_->isVisible()); return true;
    case ID_VIEW_STATUS_BAR: statusBar()->setVisible(!statusBar()->isVisible()); return true;
    case ID_WINDOW_CASCADE: CascadeSubWindows(*mdi_); return true;
    case ID_WINDOW_TILE_VERT: TileSubWindows(*mdi_, true); return true;
    case ID_WINDOW_TILE_HORZ: TileSubWindows(*mdi_, false); return true;
    case ID_WINDOW_ARRANGE: ArrangeMinimizedSubWindows(*mdi_); return true;
    case ID_WINDOW_CLOSE: CloseActiveWindow(); return true;
    case ID_WINDOW_CLOSE_ALL: {
      // Each close activates the next window; stop when none is left.
      for (int guard = static_cast<int>(mdi_->subWindowList().size()) + 1;
           guard > 0 && mdi_->currentSubWindow() != nullptr; --guard)
        CloseActiveWindow();
      return true;
    }
    case ID_VIEW_RESTORE_SESSION: restoreSession_ = !restoreSession_; return true;
    case ID_APP_ABOUT: {
      CAboutDlg about(this, TranslationFolderLines());
      about.exec();
      return true;
    }
    case ID_APP_EXIT: close(); return true;
    default: return false;
  }
}

// --- Windows -----------------------------------------------------------------

void CMainFrame::CloseActiveWindow() {
  QMdiSubWindow* sub = mdi_->currentSubWindow();
  if (sub == nullptr) return;
  // The next window in activation history takes over, as when a window closes.
  const QList<QMdiSubWindow*> history = mdi_->subWindowList(QMdiArea::ActivationHistoryOrder);
  QMdiSubWindow* next = nullptr;
  for (auto it = history.rbegin(); it != history.rend(); ++it) {
    if (*it != sub) {
      next = *it;
      break;
    }
  }
  // Destroyed without a close request; deleted once control returns to the
  // event loop, since the command may come from inside the window itself.
  sub->hide();
  mdi_->removeSubWindow(sub);
  sub->deleteLater();
  if (next != nullptr) mdi_->setActiveSubWindow(next);
  OnSubWindowActivated();
}

void CMainFrame::OnSubWindowActivated() {
  UpdateMenuBar();
  UpdateWelcomePanel();
  QMdiSubWindow* current = mdi_->currentSubWindow();
  if (current != lastActive_.data()) {
    lastActive_ = current;
    emit activeReadingWindowChanged();
  }
  RefreshCommandStates();
}

void CMainFrame::ShowContextMenu(const QPoint& globalPos) {
  if (contextMenu_ == nullptr) return;
  RefreshCommandStates();
  contextMenu_->exec(globalPos);
}

// --- Changed translations ----------------------------------------------------

void CMainFrame::ReloadChangedTranslations() {
  // A message box of a reload activates the program again: no second reload inside the first.
  if (reloading_) return;
  reloading_ = true;
  const std::vector<TranslationId> reloaded =
      data_.ReloadChanged([this](const std::string& message) { ShowFrameMessage(ToQString(message)); });
  for (const TranslationId id : reloaded) emit translationReloaded(id);
  reloading_ = false;
  WatchDataFolders();  // also a data folder made just now
  if (reloaded.empty()) return;
  UpdateWelcomePanel();
  RefreshCommandStates();
}

// The folders looked in (or, where one is not there yet, the folder above it,
// where an import will make it) and the index files there.
void CMainFrame::WatchDataFolders() {
  QStringList paths;
  for (const std::string& folder : data_.LookedIn()) {
    const QString path = QString::fromStdString(folder);
    if (QFileInfo(path).isDir()) {
      paths << path;
    } else if (const QString above = QFileInfo(path).absolutePath(); QFileInfo(above).isDir()) {
      paths << above;
    }
  }
  for (const TranslationId id : kAllTranslations) {
    const QString index = QString::fromStdString(data_.Folder(id) + "/" + IndexFileName(id));
    if (QFileInfo::exists(index)) paths << index;
  }
  paths.removeDuplicates();
  const QStringList watched = watcher_->files() + watcher_->directories();
  if (QSet<QString>(watched.begin(), watched.end()) == QSet<QString>(paths.begin(), paths.end())) return;
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  if (!paths.isEmpty()) watcher_->addPaths(paths);
}

void CMainFrame::UpdateWelcomePanel() {
  if (welcome_ == nullptr) return;
  const bool show = !data_.AnyInstalled() && mdi_->subWindowList().isEmpty();
  if (show == !welcome_->isHidden()) return;
  welcome_->setGeometry(mdi_->viewport()->rect());
  welcome_->setVisible(show);
  if (show) welcome_->DownloadButton()->setFocus();
}

QWidget* CMainFrame::WelcomePanel() const { return welcome_; }

QString CMainFrame::TranslationFolderLines() const {
  QStringList lines;
  for (const TranslationId id : kAllTranslations) {
    const QString folder = QString::fromStdString(data_.Folder(id));
    QString state;
    switch (data_.State(id)) {
      case TranslationState::Installed: state = folder; break;
      case TranslationState::Damaged: state = QStringLiteral("uszkodzony, w folderze %1").arg(folder); break;
      case TranslationState::NotInstalled: state = QStringLiteral("nie zainstalowano"); break;
    }
    lines << ToQString(TranslationTitle(id)) + QStringLiteral(": ") + state;
  }
  return lines.join(QLatin1Char('\n'));
}

// --- Display settings ----------------------------------------------------------

QFont CMainFrame::DisplayFont() const { return displayFont_; }

CQtDisplayColors CMainFrame::DisplayColors() const {
  const CDisplayColors& c = settings_.colors;
  return {ToQColor(c.background), ToQColor(c.text),           ToQColor(c.numbers),
          ToQColor(c.highlightText), ToQColor(c.highlightBackground), ToQColor(c.foundWords)};
}

void CMainFrame::SetDisplaySettings(const CDisplaySettings& settings) {
  settings_ = settings;
  displayFont_ = ToQFont(settings_.font);
  emit displaySettingsChanged();
}

// --- Placement -------------------------------------------------------------------

void CMainFrame::ApplyStoredPlacement() {
  QSize screen(1024, 768);
  if (const QScreen* s = QGuiApplication::primaryScreen()) screen = s->geometry().size();
  // The stored rectangle is held to the screen it lands on: a hand-edited
  // "Width=2147483647" must not ask for a window of gigabytes.
  std::vector<CPlacementRect> areas;
  if (const QScreen* primary = QGuiApplication::primaryScreen()) areas.push_back(Area(primary->availableGeometry()));
  for (const QScreen* s : QGuiApplication::screens())
    if (s != QGuiApplication::primaryScreen()) areas.push_back(Area(s->availableGeometry()));
  const CPlacementRect r = HoldToScreen(LoadPlacement(profile_, screen.width(), screen.height()), areas);
  // The bars ask for a minimum width that a small or strongly scaled screen
  // may not have; the frame then would not fit its screen in any state, not
  // even maximised, and the status bar's clock would lie off its edge. The
  // bars give way instead.
  const QRect rect(r.left, r.top, r.width, r.height);
  const QScreen* home = QGuiApplication::screenAt(rect.center());
  if (home == nullptr) home = QGuiApplication::primaryScreen();
  if (home != nullptr) {
    const QSize available = home->availableGeometry().size();
    const QSize wanted = minimumSizeHint();
    if (wanted.width() > available.width() || wanted.height() > available.height())
      setMinimumSize(wanted.boundedTo(available));
  }
  move(r.left, r.top);
  resize(r.width, r.height);
  normalRect_ = rect;
}

void CMainFrame::ShowAsStored() {
  switch (LoadShowCommand(profile_)) {
    case CShowCommand::AsStarted: show(); break;
    case CShowCommand::Restore: showNormal(); break;
    case CShowCommand::Maximized: showMaximized(); break;
    case CShowCommand::Minimized: showMinimized(); break;
  }
}

void CMainFrame::RememberNormalRect() {
  if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) return;
  if (!isVisible()) return;
  normalRect_ = QRect(frameGeometry().topLeft(), size());
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A maximised sub-window would add its own title to the frame's; the frame
  // keeps the program's title.
  if (event->type() == QEvent::WindowTitleChange && windowTitle() != Q(kProgramTitle))
    setWindowTitle(Q(kProgramTitle));
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  RememberNormalRect();
}

void CMainFrame::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  RememberNormalRect();
}

void CMainFrame::RestoreLastSession() {
  if (restoreSession_) readingWindows_->RestoreSession(LoadSession(profile_));
}

void CMainFrame::SaveOnClose() {
  settings_.Store(profile_);
  StoreSession(profile_, restoreSession_, restoreSession_ ? readingWindows_->Session() : CLastSession{});
  CStoredShow show = CStoredShow::Normal;
  if (isMaximized()) show = CStoredShow::Maximized;
  else if (isMinimized()) show = CStoredShow::Minimized;
  StorePlacement(profile_, CPlacementRect{normalRect_.left(), normalRect_.top(), normalRect_.width(),
                                          normalRect_.height()},
                 show);
  // All the keys in one write. A profile that could not be read at
  // start is left alone on purpose; any other failure is said, since the
  // settings of this run are then lost (the old file stays as it was). A copy
  // that keeps the profile locked (stopped in the middle of its own save)
  // costs a bounded wait per try; the user tries again or ends without saving.
  bool saved = profile_.Flush();
  while (!saved && profile_.LockBusy()) {
    const QString busy = QString::fromUtf8(
                             "Nie mogę zapisać ustawień programu w pliku: '%1'!\n"
                             "Plik ustawień jest zajęty przez inną kopię programu.")
                             .arg(QString::fromStdString(profile_.Path()));
    if (!AskRetry(busy)) return;
    saved = profile_.Flush();
  }
  if (saved || profile_.Unreadable()) return;
  const QString text = QString::fromUtf8("Nie mogę zapisać ustawień programu w pliku: '%1'!\n%2")
                           .arg(QString::fromStdString(profile_.Path()), QString::fromStdString(profile_.LastError()));
  ShowFrameMessage(text);
}

void CMainFrame::ShowFrameMessage(const QString& text) {
  if (messageSink_) {
    messageSink_(text);
  } else {
    QMessageBox::warning(this, QStringLiteral("Skrybon"), text);
  }
}

bool CMainFrame::AskRetry(const QString& text) {
  if (retrySink_) return retrySink_(text);
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Skrybon"), text, QMessageBox::NoButton, this);
  const QAbstractButton* retry = box.addButton(QString::fromUtf8("Ponów"), QMessageBox::AcceptRole);
  box.addButton(QString::fromUtf8("Anuluj"), QMessageBox::RejectRole);
  box.exec();
  return box.clickedButton() == retry;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  SaveOnClose();
  event->accept();
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::KeyPress:
      // Commands must show their current state before an accelerator or a
      // button can reach them.
      RefreshCommandStates();
      break;
    case QEvent::Resize:
      if (watched == mdi_->viewport() && welcome_ != nullptr) welcome_->setGeometry(mdi_->viewport()->rect());
      break;
    case QEvent::ContextMenu:
      if (watched == mdi_->viewport()) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        QPoint at = e->globalPos();
        if (e->reason() == QContextMenuEvent::Keyboard) at = mdi_->viewport()->mapToGlobal(QPoint(5, 5));
        ShowContextMenu(at);
        return true;
      }
      break;
    default: break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The main frame as a user meets it: menus, accelerators, enabling, bars,
// placement, display settings and the status panes.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <fstream>
#include <memory>

#include "app/command_table.h"
#include "app/main_frame.h"
#include "app/window_placement.h"
#include "data/atomic_file.h"
#include "data/verse_index.h"
#include "ui/command_ids.h"
#include "ui/status_panes.h"
#include "testing/file_size_limit.h"

using namespace skrybon;

namespace {

// A command target that handles the commands it is told to, enabled or not,
// and records the ones it ran: a frame-level target or a bar's router.
struct FakeTarget : ICommandTarget {
  std::map<int, bool> commands;  // id -> enabled
  std::vector<int> executed;
  bool OnUpdateCommand(int id, CCmdUI& ui) override {
    const auto it = commands.find(id);
    if (it == commands.end()) return false;
    ui.Enable(it->second);
    return true;
  }
  bool OnCommand(int id) override {
    if (commands.count(id) == 0) return false;
    executed.push_back(id);
    return true;
  }
};

// A reading window that is such a target.
class FakeReadingWindow : public QMdiSubWindow, public FakeTarget {
 public:
  explicit FakeReadingWindow(const QString& title) {
    setWindowTitle(title);
    setWidget(new QTextEdit(this));
    // A system menu without the platform's Close accelerator (Ctrl+W).
    setSystemMenu(new QMenu(this));
    setAttribute(Qt::WA_DeleteOnClose);
  }
};

QMenu* TopMenu(QMainWindow& frame, const QString& title) {
  for (QAction* a : frame.menuBar()->actions())
    if (a->text() == title) return a->menu();
  return nullptr;
}

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

// Menu items as "id" for commands ("id=text" with texts), "-" for separators
// and "[title" ... "]" around submenus: as built, and as the layout lists them.
QStringList Items(const QList<QAction*>& actions, bool withTexts = false) {
  QStringList out;
  for (QAction* a : actions) {
    if (a->isSeparator()) out << "-";
    else if (a->menu() != nullptr) out << "[" + a->text() << Items(a->menu()->actions(), withTexts) << "]";
    else out << QString::number(a->data().toInt()) + (withTexts ? "=" + a->text() : QString());
  }
  return out;
}
QStringList Items(std::span<const CMenuEntry> layout, bool withTexts = false) {
  QStringList out;
  for (const CMenuEntry& e : layout) {
    if (e.id == kMenuSeparator) out << "-";
    else if (e.id == kSubmenuBegin) out << "[" + Q(e.title);
    else if (e.id == kSubmenuEnd) out << "]";
    else out << QString::number(e.id) + (withTexts ? "=" + Q(e.title) : QString());
  }
  return out;
}

// The pairs of items of one menu, or of the bar itself, that share a
// mnemonic, as "first|second", through every submenu.
QStringList MnemonicClashes(const QList<QAction*>& items) {
  QStringList clashes;
  std::map<QChar, QString> seen;
  for (QAction* a : items) {
    const QString text = a->text().section('\t', 0, 0);
    const qsizetype amp = text.indexOf('&');
    if (amp >= 0 && amp + 1 < text.size()) {
      const auto [it, added] = seen.emplace(text[amp + 1].toLower(), text);
      if (!added) clashes << it->second + "|" + text;
    }
    if (a->menu() != nullptr) clashes << MnemonicClashes(a->menu()->actions());
  }
  return clashes;
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<CScriptureData> data_;
  std::unique_ptr<CProfile> profile_;

  std::unique_ptr<CMainFrame> NewFrame() {
    auto frame = std::make_unique<CMainFrame>(*data_, *profile_);
    frame->ApplyStoredPlacement();
    return frame;
  }
  FakeReadingWindow* AddWindow(CMainFrame& frame, const QString& title) {
    auto* w = new FakeReadingWindow(title);
    frame.MdiArea()->addSubWindow(w);
    w->show();
    frame.MdiArea()->setActiveSubWindow(w);
    frame.RefreshCommandStates();
    return w;
  }
  static bool Enabled(CMainFrame& frame, int id) { return frame.CommandAction(id)->isEnabled(); }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    // The three translations installed (index files only: no window here reads a book).
    for (const TranslationId id : kAllTranslations) {
      const VerseIndex index(static_cast<std::size_t>(BookCount(id)), {{0}});
      QVERIFY(WriteFileAtomically((dir_->path() + "/").toStdString() + IndexFileName(id), WriteVerseIndex(index)));
    }
    data_ = std::make_unique<CScriptureData>(dir_->path().toStdString());
    data_->LoadAll([](const std::string&) {});
    profile_ = std::make_unique<CProfile>((dir_->path() + "/skrybon.ini").toStdString());
  }
  void cleanup() {
    profile_.reset();
    data_.reset();
    dir_.reset();
  }

  // The bars are built from the command table: both menu bars and the
  // context menu as laid out, every command in a menu of the bar with a
  // window, the tool bar's buttons with pictures.
  void menusAndToolBarFollowTheCommandTable() {
    auto frame = NewFrame();
    QCOMPARE(frame->windowTitle(), QString("Skrybon v1.4"));
    QCOMPARE(frame->MenuBarId(), IDR_MENU_NO_WINDOW);
    QCOMPARE(Items(frame->menuBar()->actions()), Items(MenuLayout(IDR_MENU_NO_WINDOW)));
    QCOMPARE(MnemonicClashes(frame->menuBar()->actions()), QStringList{"S&chowek|Pomo&c"});
    QCOMPARE(Items({frame->ContextMenu()->menuAction()}, true), Items(MenuLayout(IDR_CONTEXT_MENU), true));

    AddWindow(*frame, "Biblia Tysiąclecia");
    QCOMPARE(frame->MenuBarId(), IDR_MENU_WITH_WINDOW);
    const QStringList withWindow = Items(frame->menuBar()->actions());
    QCOMPARE(withWindow, Items(MenuLayout(IDR_MENU_WITH_WINDOW)));
    for (const QString& item : Items(MenuLayout(IDR_MENU_NO_WINDOW)))
      QVERIFY2(withWindow.contains(item), qPrintable(item));
    // The only shared mnemonics are those the program always had.
    QCOMPARE(MnemonicClashes(frame->menuBar()->actions()),
             (QStringList{"&Poprzednia|&Porównaj z ...", "S&chowek|Pomo&c"}));

    QStringList buttons;
    for (QAction* a : frame->ToolBar()->actions()) {
      buttons << (a->isSeparator() ? QString("-") : QString::number(a->data().toInt()));
      if (!a->isSeparator()) QVERIFY2(!a->icon().isNull() && withWindow.contains(buttons.last()), qPrintable(buttons.last()));
    }
    QStringList laidOut;
    for (const int id : ToolBarLayout()) laidOut << (id == 0 ? QString("-") : QString::number(id));
    QCOMPARE(buttons, laidOut);
    QVERIFY(frame->CommandAction(ID_APP_ABOUT)->isIconVisibleInMenu());

    // The window list at the end of "O&kna".
    AddWindow(*frame, "Biblia Gdańska");
    QMenu* windows = TopMenu(*frame, "O&kna");
    emit windows->aboutToShow();
    QStringList texts;
    for (QAction* a : windows->actions()) texts << a->text();
    QCOMPARE(texts.mid(texts.size() - 2), (QStringList{"&1 Biblia Tysiąclecia", "&2 Biblia Gdańska"}));
    QVERIFY(windows->actions().last()->isChecked());
    emit windows->aboutToShow();  // rebuilt, not appended twice
    QCOMPARE(windows->actions().size(), texts.size());
    emit windows->aboutToHide();

    // A maximised reading window leaves the frame's title alone.
    frame->show();
    frame->MdiArea()->currentSubWindow()->showMaximized();
    QCOMPARE(frame->windowTitle(), QString("Skrybon v1.4"));

    // While a menu is open its prompts get the whole status bar.
    auto* timePane = frame->statusBar()->findChild<QLabel*>("timePane");
    QTRY_VERIFY(timePane->isVisible());
    emit windows->aboutToShow();
    QVERIFY(!timePane->isVisible());
    emit windows->aboutToHide();
    QTRY_VERIFY(timePane->isVisible());

    frame->ExecuteCommand(ID_WINDOW_CLOSE_ALL);
    QCOMPARE(frame->MenuBarId(), IDR_MENU_NO_WINDOW);
  }

  // Every command's menu text names its first accelerator after the tab, no
  // two commands share a key, and prompts and tool tips come from the table.
  void commandTextsAcceleratorsAndPrompts() {
    auto frame = NewFrame();
    std::map<QString, int> keys;
    for (const CCommandInfo& c : AllCommands()) {
      const QAction* a = frame->CommandAction(c.id);
      const QString id = QString::number(c.id);
      QVERIFY2(a != nullptr, qPrintable(id));
      if (!c.menuText.empty()) QCOMPARE(a->text().section('\t', 1), a->shortcut().toString());
      if (!c.menuText.empty() && c.id != ID_CLIPBOARD_MODE) QCOMPARE(a->text(), Q(c.menuText));
      for (const QKeySequence& key : a->shortcuts())
        QVERIFY2(keys.emplace(key.toString(), c.id).second, qPrintable(id + " " + key.toString()));
      if (!a->shortcut().isEmpty()) QCOMPARE(a->shortcutContext(), Qt::WindowShortcut);
      QCOMPARE(a->statusTip(), Q(c.prompt));
      if (!c.toolTip.empty()) QCOMPARE(a->toolTip(), Q(c.toolTip));
    }
    // The mode command is named after the mode it switches to.
    QCOMPARE(frame->CommandAction(ID_CLIPBOARD_MODE)->text(), QString("&Tryb dołączania"));
    QCOMPARE(frame->CommandAction(ID_HELP)->shortcut(), QKeySequence(Qt::Key_F1));
  }

  void contextMenuOnTheFreeArea() {
    auto frame = NewFrame();
    frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
    QWidget* area = frame->MdiArea()->viewport();
    const auto openAt = [&](QContextMenuEvent::Reason reason, QPoint global) {
      QPoint shownAt(-1, -1);
      QTimer::singleShot(0, [&shownAt] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
          shownAt = popup->pos();
          popup->close();
        }
      });
      QContextMenuEvent event(reason, area->mapFromGlobal(global), global);
      QCoreApplication::sendEvent(area, &event);
      return shownAt;
    };
    // By mouse at the mouse; from the keyboard 5 pixels into the client area.
    QCOMPARE(openAt(QContextMenuEvent::Mouse, area->mapToGlobal(QPoint(100, 80))),
             area->mapToGlobal(QPoint(100, 80)));
    QCOMPARE(openAt(QContextMenuEvent::Keyboard, area->mapToGlobal(QPoint(200, 150))),
             area->mapToGlobal(QPoint(5, 5)));
  }

  void enablingFollowsTheRoutingChain() {
    auto frame = NewFrame();
    frame->show();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    frame->RefreshCommandStates();

    // No reading window: window commands are grey, F6 is never handled.
    for (const int id : {ID_WINDOW_CLOSE, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_SAVE_SELECTED_VERSES,
                         ID_FILE_PRINT, ID_NEXT_PANE, ID_PREV_PANE})
      QVERIFY2(!Enabled(*frame, id), qPrintable(QString::number(id)));
    for (const int id : {ID_VIEW_COLORS, ID_VIEW_FONT, ID_APP_ABOUT, ID_APP_EXIT, ID_VIEW_TOOLBAR, ID_HELP_FINDER})
      QVERIFY2(Enabled(*frame, id), qPrintable(QString::number(id)));
    QVERIFY(!frame->ExecuteCommand(ID_NEXT_PANE));

    FakeReadingWindow* window = AddWindow(*frame, "Biblia Gdańska");
    window->commands = {{ID_SAVE_SELECTED_VERSES, true}, {ID_FILE_PRINT, false}, {ID_SEARCH, true}};
    window->widget()->setFocus();
    frame->RefreshCommandStates();
    QVERIFY(Enabled(*frame, ID_WINDOW_CLOSE));
    QVERIFY(Enabled(*frame, ID_SAVE_SELECTED_VERSES));
    QVERIFY(!Enabled(*frame, ID_FILE_PRINT));

    // The accelerator of a disabled command does nothing; an enabled one runs.
    QTest::keyClick(window->widget(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(window->widget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window->executed, std::vector<int>{ID_SAVE_SELECTED_VERSES});

    // States follow at once, before the next accelerator is matched.
    window->commands[ID_FILE_PRINT] = true;
    window->commands[ID_SAVE_SELECTED_VERSES] = false;
    QTest::keyClick(window->widget(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(window->widget(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(window->executed, (std::vector<int>{ID_SAVE_SELECTED_VERSES, ID_FILE_PRINT}));
    // Even a stale enabled action is refused by the chain.
    window->commands[ID_FILE_PRINT] = false;
    frame->CommandAction(ID_FILE_PRINT)->setEnabled(true);
    frame->CommandAction(ID_FILE_PRINT)->trigger();
    QCOMPARE(window->executed.size(), std::size_t{2});

    // Order: navigation bar router, active window, added targets, frame.
    FakeTarget added;
    added.commands = {{ID_SEARCH, true}, {ID_GOTO_FOUND_LIST, true}};
    frame->AddCommandTarget(&added);
    QVERIFY(frame->ExecuteCommand(ID_SEARCH));
    QVERIFY(frame->ExecuteCommand(ID_GOTO_FOUND_LIST));
    QCOMPARE(window->executed.back(), ID_SEARCH);
    QCOMPARE(added.executed, std::vector<int>{ID_GOTO_FOUND_LIST});
    FakeTarget router;
    router.commands = {{ID_SEARCH, true}, {ID_WINDOW_CLOSE, false}};
    frame->SetNavigationBar(nullptr, &router);
    QVERIFY(frame->ExecuteCommand(ID_SEARCH));
    QCOMPARE(router.executed, std::vector<int>{ID_SEARCH});
    // The router disabling a frame command wins over the frame.
    frame->RefreshCommandStates();
    QVERIFY(!Enabled(*frame, ID_WINDOW_CLOSE));
    QVERIFY(!frame->ExecuteCommand(ID_WINDOW_CLOSE));
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 1);
    frame->SetNavigationBar(nullptr, nullptr);
    frame->RemoveCommandTarget(&added);
    QVERIFY(frame->ExecuteCommand(ID_GOTO_FOUND_LIST) == false);
  }

  void closeActiveAndCloseAll() {
    auto frame = NewFrame();
    frame->show();
    QSignalSpy changed(frame.get(), &CMainFrame::activeReadingWindowChanged);
    FakeReadingWindow* a = AddWindow(*frame, "A");
    FakeReadingWindow* b = AddWindow(*frame, "B");
    FakeReadingWindow* c = AddWindow(*frame, "C");
    frame->MdiArea()->setActiveSubWindow(b);
    frame->MdiArea()->setActiveSubWindow(c);
    QVERIFY(changed.count() >= 3);
    QPointer<FakeReadingWindow> watchC(c);
    QVERIFY(frame->ExecuteCommand(ID_WINDOW_CLOSE));
    QCOMPARE(frame->MdiArea()->subWindowList().size(), 2);
    QCOMPARE(frame->ActiveReadingWindow(), b);  // the previously active one
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(watchC.isNull());

    // Cascade and both tilings place every window inside the area.
    frame->resize(800, 600);
    for (const int id : {ID_WINDOW_TILE_VERT, ID_WINDOW_TILE_HORZ}) {
      QVERIFY(frame->ExecuteCommand(id));
      const QRect ra = a->geometry(), rb = b->geometry();
      QVERIFY(!ra.intersects(rb));
      if (id == ID_WINDOW_TILE_VERT) QCOMPARE(ra.top(), rb.top());
      else QCOMPARE(ra.left(), rb.left());
    }
    // Cascade places the windows as new ones are placed, not maximised; the
    // active window ends on top, furthest along.
    b->showMaximized();
    QVERIFY(frame->ExecuteCommand(ID_WINDOW_CASCADE));
    QVERIFY(!b->isMaximized());
    QCOMPARE(a->geometry().topLeft(), QPoint(0, 0));
    QCOMPARE(b->geometry().topLeft(), QPoint(24, 24));
    QCOMPARE(frame->ActiveReadingWindow(), b);

    QVERIFY(frame->ExecuteCommand(ID_WINDOW_CLOSE_ALL));
    QVERIFY(frame->MdiArea()->subWindowList().isEmpty());
    QVERIFY(frame->ActiveTarget() == nullptr);
    frame->RefreshCommandStates();
    QVERIFY(!Enabled(*frame, ID_WINDOW_CLOSE));
    QVERIFY(frame->ExecuteCommand(ID_WINDOW_CLOSE_ALL));  // with none: nothing happens
  }

  void barsToggleWithCheckMarks() {
    auto frame = NewFrame();
    frame->show();
    frame->RefreshCommandStates();
    const std::pair<int, QWidget*> bars[] = {{ID_VIEW_TOOLBAR, frame->ToolBar()},
                                             {ID_VIEW_NAVIGATION_BAR, frame->NavigationBarDock()},
                                             {ID_VIEW_FOUND_VERSES_BAR, frame->FoundVersesBarDock()},
                                             {ID_VIEW_STATUS_BAR, frame->statusBar()}};
    for (const auto& [id, bar] : bars) {
      QAction* a = frame->CommandAction(id);
      QVERIFY(bar->isVisible());
      QVERIFY(a->isCheckable() && a->isChecked());
      for (const bool shown : {false, true}) {
        a->trigger();
        QCOMPARE(bar->isVisible(), shown);
        QCOMPARE(a->isChecked(), shown);
      }
    }
    QCOMPARE(frame->dockWidgetArea(frame->NavigationBarDock()), Qt::TopDockWidgetArea);
    QCOMPARE(frame->dockWidgetArea(frame->FoundVersesBarDock()), Qt::BottomDockWidgetArea);
    QCOMPARE(frame->toolBarArea(frame->ToolBar()), Qt::TopToolBarArea);

    // The real bars replace the placeholders.
    auto* nav = new QLabel("nav");
    frame->SetNavigationBar(nav, nullptr);
    QCOMPARE(frame->NavigationBarDock()->widget(), nav);
  }

  // A close whose settings cannot be written says so and leaves the old file.
  void aFailedSaveOnCloseIsReported() {
    QStringList messages;
    {
      auto frame = NewFrame();  // writes the default placement: the old file
      frame->SetMessageSink([&](const QString& text) { messages << text; });
      frame->move(140, 90);
      const testing::CFileSizeLimit fullDisk(8);
      frame->close();
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QString::fromUtf8("Nie mogę zapisać ustawień programu w pliku: '") +
                                    QString::fromStdString(profile_->Path())),
             qPrintable(messages[0]));
    QVERIFY(messages[0].endsWith("File too large"));
    QCOMPARE(CProfile(profile_->Path()).GetProfileInt("Main Window State", "Left", 0), 50);
  }

  // Another copy keeps the profile locked: the close waits a bounded time,
  // says so and offers "Ponów"; "Anuluj" ends without saving, "Ponów" saves
  // once the lock is free.
  void aHeldProfileLockAsksToRetry() {
    profile_ = std::make_unique<CProfile>(profile_->Path(), std::chrono::milliseconds(100));
    const int held = ::open((profile_->Path() + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
    for (const bool retry : {false, true}) {
      QStringList questions;
      QStringList messages;
      QElapsedTimer clock;
      {
        auto frame = NewFrame();
        frame->SetMessageSink([&](const QString& text) { messages << text; });
        frame->SetRetrySink([&](const QString& text) {
          questions << text;
          if (retry && questions.size() == 2) ::flock(held, LOCK_UN);
          return retry;
        });
        clock.start();
        frame->close();
      }
      QVERIFY(clock.elapsed() < 3000);
      QCOMPARE(questions.size(), retry ? 2 : 1);
      QCOMPARE(questions[0], QString::fromUtf8("Nie mogę zapisać ustawień programu w pliku: '%1'!\n"
                                               "Plik ustawień jest zajęty przez inną kopię programu.")
                                 .arg(QString::fromStdString(profile_->Path())));
      QCOMPARE(messages, QStringList());
      QCOMPARE(CProfile(profile_->Path()).GetProfileInt("Main Window State", "Left", -1), retry ? 50 : -1);
    }
    ::close(held);
  }

  void placementRoundTripThroughTheProfile() {
    {
      auto frame = NewFrame();
      frame->ShowAsStored();
      QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
      frame->move(120, 80);
      frame->resize(780, 520);
      QTest::qWait(20);
      frame->showMaximized();
      QTest::qWait(20);
      frame->close();
    }
    QCOMPARE(profile_->GetProfileInt("Main Window State", "Style", 0), 0x01000000);
    QCOMPARE(profile_->GetProfileInt("Main Window State", "Width", 0), 780);
    QCOMPARE(profile_->GetProfileInt("Main Window State", "Height", 0), 520);
    QCOMPARE(profile_->GetProfileInt("Main Window State", "Left", 0), 120);
    // Display settings are written on close too.
    QCOMPARE(profile_->GetProfileString("Skrybon", "Font face name"), std::string("System"));

    CProfile reread(profile_->Path());
    CMainFrame again(*data_, reread);
    again.ApplyStoredPlacement();
    QCOMPARE(again.size(), QSize(780, 520));
    QCOMPARE(again.NormalRect(), QRect(120, 80, 780, 520));
    QCOMPARE(LoadShowCommand(reread), CShowCommand::Maximized);
    again.ShowAsStored();
    QVERIFY(again.isMaximized());
  }

  void storedPlacementIsHeldToTheScreen() {
    // A hand-edited profile asking for a window of 2^31 pixels gets one no
    // larger than the screen, whose whole area it then covers.
    std::ofstream((dir_->path() + "/huge.ini").toStdString())
        << "[Main Window State]\nLeft=50\nTop=50\nWidth=2147483647\nHeight=100000\n";
    CProfile huge((dir_->path() + "/huge.ini").toStdString());
    CMainFrame frame(*data_, huge);
    frame.ApplyStoredPlacement();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(frame.width() <= area.width());
    QVERIFY(frame.height() <= area.height());
    QCOMPARE(frame.NormalRect(), area);
  }

  void barsWiderThanTheScreenGiveWay() {
    // A strongly scaled screen can be narrower than the bars would like: the
    // frame still fits it, maximised or not, and so does the status bar's clock.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const int style : {0, 0x01000000}) {
      profile_->SetProfileInt("Main Window State", "Style", style);
      CMainFrame frame(*data_, *profile_);
      auto* wide = new QLabel(QStringLiteral("szeroki pasek"));
      wide->setMinimumWidth(area.width() + 300);
      auto* dock = new QDockWidget(&frame);
      dock->setWidget(wide);
      frame.addDockWidget(Qt::TopDockWidgetArea, dock);
      frame.ApplyStoredPlacement();
      frame.ShowAsStored();
      QVERIFY(QTest::qWaitForWindowExposed(&frame));
      QVERIFY2(frame.width() <= area.width(), qPrintable(QString::number(frame.width())));
      auto* timePane = frame.statusBar()->findChild<QLabel*>("timePane");
      QVERIFY(frame.rect().contains(QRect(timePane->mapTo(&frame, QPoint(0, 0)), timePane->size())));
    }
  }

  void displaySettingsReachTheWindowsOnce() {
    auto frame = NewFrame();
    QSignalSpy spy(frame.get(), &CMainFrame::displaySettingsChanged);
    CDisplaySettings s = frame->DisplaySettings();
    // "System" is drawn with a face that has the Polish letters.
    const QFont font = frame->DisplayFont();
    QCOMPARE(font.pixelSize(), 10);
    QVERIFY(QFontMetrics(font).inFont(QChar(0x0142)));  // ł
    s.colors.numbers = Rgb(255, 0, 0);
    s.font.height = -16;
    frame->SetDisplaySettings(s);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(frame->DisplayColors().numbers, QColor(255, 0, 0));
    QCOMPARE(frame->DisplayFont().pixelSize(), 16);
  }

  // A screen reader reads the prompt (the idle one and each message) and each
  // pane's text as its name, with what it is as its description.
  void screenReadersReadTheStatusBar() {
    auto frame = NewFrame();
    frame->show();
    const auto spoken = [](QObject* object, QAccessible::Text what = QAccessible::Name) {
      QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
      return iface != nullptr ? iface->text(what) : QString("(no interface)");
    };
    QStatusBar* bar = frame->statusBar();
    auto* prompt = bar->findChild<QLabel*>("promptPane");
    QCOMPARE(spoken(prompt), QString("Gotowe."));
    // A prompt from a menu item reaches the frame from deep inside it.
    QStatusTipEvent tip(frame->CommandAction(ID_VIEW_COLORS)->statusTip());
    QCoreApplication::sendEvent(frame->ToolBar(), &tip);
    QVERIFY(prompt->isVisible());
    QCOMPARE(spoken(prompt), QString("Zmienia ustawienia kolorów"));
    frame->ShowStatusMessage(QString());
    QCOMPARE(spoken(prompt), QString("Gotowe."));
    QCOMPARE(bar->currentMessage(), QString());

    AddWindow(*frame, "Biblia Tysiąclecia");
    frame->RefreshCommandStates();
    const struct {
      const char* name;
      const char* role;
    } panes[] = {{"titlePane", "Aktywne okno"}, {"datePane", "Data"}, {"timePane", "Godzina"}};
    for (const auto& pane : panes) {
      auto* label = bar->findChild<QLabel*>(pane.name);
      QVERIFY(!label->text().isEmpty());
      QCOMPARE(spoken(label), label->text());
      QCOMPARE(spoken(label, QAccessible::Description), QString(pane.role));
    }
  }

  void statusPanesFollowTheActiveWindow() {
    auto frame = NewFrame();
    frame->show();
    auto* title = frame->statusBar()->findChild<QLabel*>("titlePane");
    auto* date = frame->statusBar()->findChild<QLabel*>("datePane");
    auto* time = frame->statusBar()->findChild<QLabel*>("timePane");
    frame->RefreshCommandStates();
    QCOMPARE(title->width(), 0);  // no window: no pane

    AddWindow(*frame, "Biblia Tysiąclecia");
    frame->RefreshCommandStates();
    // Each pane is as wide as its text.
    const QFontMetrics metrics(frame->statusBar()->font());
    QCOMPARE(title->text(), QString("Biblia Tysiąclecia"));
    QCOMPARE(title->frameWidth(), 1);  // framed once it has a text
    for (QLabel* pane : {title, time})
      QCOMPARE(pane->width(), metrics.horizontalAdvance(pane->text()) + 2 * pane->frameWidth());
    QVERIFY(date->text().endsWith("r."));
    auto* timer = frame->statusBar()->findChild<CStatusPanes*>()->Timer();
    QVERIFY(timer->isActive() && timer->interval() <= 10000);

    std::tm day{};
    day.tm_year = 126;
    day.tm_mon = 11;
    day.tm_mday = 5;
    day.tm_hour = 7;
    day.tm_min = 3;
    QVERIFY(CStatusPanes::FormatDate(day).startsWith("05 "));
    QVERIFY(CStatusPanes::FormatDate(day).endsWith(" 2026r."));
    QCOMPARE(CStatusPanes::FormatTime(day), QString("07:03  "));
  }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_widget_test.moc"

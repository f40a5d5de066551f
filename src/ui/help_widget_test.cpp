// SPDX-License-Identifier: GPL-2.0-or-later
// The user guide and the help commands: every page reachable, every link and every named
// command and key real; the help menu, the index search and F1 / What's This.
#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QtTest>

#include "app/command_table.h"
#include "app/frame_fixture_test.h"
#include "reading/navigation_bar.h"
#include "search/search_dialog.h"
#include "testing/fixture_data.h"
#include "ui/command_ids.h"
#include "ui/help_commands.h"
#include "ui/help_topics.h"
#include "ui/help_window.h"

using namespace skrybon;

namespace {

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QStringList Captures(const QString& html, const QString& pattern) {
  QStringList found;
  QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(html);
  while (it.hasNext()) found << it.next().captured(1);
  return found;
}

// Texts a guide may name as menu items: menu titles and command texts without '&' and accelerator.
QSet<QString> MenuNames() {
  QSet<QString> names;
  for (int menu : {IDR_MENU_NO_WINDOW, IDR_MENU_WITH_WINDOW, IDR_CONTEXT_MENU})
    for (const CMenuEntry& entry : MenuLayout(menu))
      if (!entry.title.empty()) names << Q(entry.title).remove('&');
  for (const CCommandInfo& command : AllCommands())
    if (!command.menuText.empty()) names << Q(command.menuText).section('\t', 0, 0).remove('&');
  return names;
}

bool WhatsThisShown() {
  QWidget* popup = QApplication::activePopupWidget();
  const bool shown = popup != nullptr && QByteArray(popup->metaObject()->className()) == "QWhatsThat";
  if (popup != nullptr) popup->close();
  return shown;
}

}  // namespace

class HelpTest : public QObject {
  Q_OBJECT

 private slots:
  void everyPageIsReachableAndEveryLinkResolves() {
    QSet<QString> reached;
    QStringList queue{Q(kHelpContentsPage)};
    while (!queue.isEmpty()) {
      const QString page = queue.takeFirst();
      if (reached.contains(page)) continue;
      reached << page;
      const QString html = CHelpWindow::PageHtml(page.toStdString());
      QVERIFY2(!html.isEmpty(), qPrintable(page));
      for (const QString& link : Captures(html, QStringLiteral("href=\"([^\"]*)\""))) {
        const QString target = link.section('#', 0, 0).isEmpty() ? page : link.section('#', 0, 0);
        QVERIFY2(FindHelpTopic(target.toStdString()) != nullptr, qPrintable(page + " -> " + link));
        const QString anchor = link.section('#', 1);
        if (!anchor.isEmpty())
          QVERIFY2(CHelpWindow::PageHtml(target.toStdString()).contains(QStringLiteral("id=\"%1\"").arg(anchor)),
                   qPrintable(page + " -> " + link));
        queue << target;
      }
    }
    for (const CHelpTopic& topic : HelpTopics()) QVERIFY2(reached.contains(Q(topic.page)), topic.page.data());
    // Every command with a menu item has a topic of its own (About: the contents).
    for (const CCommandInfo& command : AllCommands()) {
      QVERIFY(FindHelpTopic(CommandHelpPage(command.id)) != nullptr);
      if (!command.menuText.empty() && command.id != ID_APP_ABOUT)
        QVERIFY2(CommandHelpPage(command.id) != kHelpContentsPage, command.menuText.data());
    }
  }

  void theGuideNamesOnlyCommandsAndKeysThatExist() {
    QSet<QString> keys{QStringLiteral("Enter"), QStringLiteral("Esc"), QStringLiteral("Tab"),
                       QStringLiteral("Strzałka w dół")};
    for (const CCommandInfo& command : AllCommands())
      for (const QString& key : Q(command.accelerator).split(QStringLiteral("; "), Qt::SkipEmptyParts)) keys << key;
    const QSet<QString> names = MenuNames();
    QSet<QString> named;
    for (const CHelpTopic& topic : HelpTopics()) {
      const QString html = CHelpWindow::PageHtml(topic.page);
      for (const QString& key : Captures(html, QStringLiteral("<kbd>([^<]*)</kbd>"))) {
        QVERIFY2(keys.contains(key), qPrintable(Q(topic.page) + ": " + key));
        named << key;
      }
      for (const QString& path : Captures(html, QStringLiteral("<b class=\"cmd\">([^<]*)</b>")))
        for (const QString& part : path.split(QStringLiteral(" › ")))
          QVERIFY2(names.contains(part), qPrintable(Q(topic.page) + ": " + path));
    }
    // And every accelerator of a command the program carries out is named (F6 and Shift+F6 do nothing).
    for (const CCommandInfo& command : AllCommands())
      if (command.id != ID_NEXT_PANE && command.id != ID_PREV_PANE)
        for (const QString& key : Q(command.accelerator).split(QStringLiteral("; "), Qt::SkipEmptyParts))
          QVERIFY2(named.contains(key), qPrintable(key));
  }

  void theHelpMenuOpensTheGuideAndTheIndexFindsTopics() {
    testing::CFrameFixture<testing::NavigationData> fixture;
    CMainFrame& frame = fixture.frame;
    auto* commands = frame.findChild<CHelpCommands*>();
    QVERIFY(commands != nullptr);
    for (int id : {ID_HELP_FINDER, ID_HELP_SEARCH, ID_HELP_USING, ID_HELP, ID_CONTEXT_HELP})
      QVERIFY(frame.CommandAction(id)->isEnabled());

    QVERIFY(frame.ExecuteCommand(ID_HELP_USING));
    CHelpWindow& window = commands->Window();
    QVERIFY(window.isVisible());
    QCOMPARE(window.Browser()->source().toString(), Q(kHelpUsingPage));
    QVERIFY(frame.ExecuteCommand(ID_HELP_FINDER));
    QCOMPARE(window.Browser()->source().toString(), Q(kHelpContentsPage));
    window.findChild<QAbstractButton*>("backButton")->click();
    QCOMPARE(window.Browser()->source().toString(), Q(kHelpUsingPage));
    window.findChild<QAbstractButton*>("forwardButton")->click();
    QCOMPARE(window.Browser()->source().toString(), Q(kHelpContentsPage));

    QVERIFY(frame.ExecuteCommand(ID_HELP_SEARCH));
    QVERIFY(window.SearchField()->isVisible());
    QTest::keyClicks(window.SearchField(), QStringLiteral("ALIAS"));
    QCOMPARE(window.IndexList()->currentItem()->text(), QStringLiteral("aliasy"));
    QTest::keyClick(window.SearchField(), Qt::Key_Return);
    QCOMPARE(window.Browser()->source().toString(), QStringLiteral("aliasy.html"));
    window.SearchField()->setText(QStringLiteral("nie ma takiego słowa"));
    QCOMPARE(window.IndexList()->count(), 0);

    QTest::keyClick(window.Browser(), Qt::Key_Escape);
    QVERIFY(!window.isVisible());
    QVERIFY(QTest::qWaitForWindowActive(&frame));

    // F1 where no control has help opens the contents; on a control with a help id, its pop-up.
    frame.MdiArea()->setFocus();
    QVERIFY(frame.ExecuteCommand(ID_HELP));
    QTRY_VERIFY(window.isVisible());
    QCOMPARE(window.Browser()->source().toString(), Q(kHelpContentsPage));
    window.close();
    QVERIFY(frame.ExecuteCommand(ID_FILE_NEW_BG));
    auto* bar = dynamic_cast<CNavigationBar*>(frame.NavigationBarDock()->widget());
    bar->FocusBookBox();
    QVERIFY(frame.ExecuteCommand(ID_HELP));
    QVERIFY(WhatsThisShown());
    QVERIFY(!window.isVisible());
  }

  void everyControlWithAHelpIdShowsItsText() {
    testing::CFrameFixture<testing::NavigationData> fixture;
    CSearchDialog dialog;
    QVERIFY(dialog.windowFlags() & Qt::WindowContextHelpButtonHint);
    QWidget* roots[] = {&dialog, fixture.frame.NavigationBarDock()->widget(),
                        fixture.frame.FoundVersesBarDock()->widget()};
    int found = 0;
    for (const CControlHelp& entry : ControlHelpTable())
      for (QWidget* root : roots)
        for (QWidget* w : root->findChildren<QWidget*>()) found += w->whatsThis() == Q(entry.text);
    QCOMPARE(found, static_cast<int>(ControlHelpTable().size()));

    // F1 in the dialog shows the focused control's text and nothing more.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto* word = testing::Control<QLineEdit>(dialog, 1017);
    word->setFocus();
    QTest::keyClick(word, Qt::Key_F1);
    QVERIFY(WhatsThisShown());
    QVERIFY(dialog.isVisible());
    // So does the right button on a check box.
    auto* box = testing::Control<QWidget>(dialog, 1031);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &rightClick);
    QVERIFY(WhatsThisShown());
  }
};

QTEST_MAIN(HelpTest)
#include "help_widget_test.moc"

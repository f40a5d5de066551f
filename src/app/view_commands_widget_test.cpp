// SPDX-License-Identifier: GPL-2.0-or-later
// The "Widok" commands that act on the reading windows: text size, the found words'
// switch, and the windows of the last session opened again at the next start.
#include <QMdiArea>
#include <QWheelEvent>
#include <QtTest>
#include <tuple>

#include "app/frame_fixture_test.h"
#include "reading/verse_list_box.h"
#include "testing/fixture_data.h"
#include "ui/command_ids.h"

using namespace skrybon;

namespace {

using Fixture = testing::CFrameFixture<testing::CReadingTestData>;

void Press(QWidget* to, const QKeySequence& keys) {
  QTest::keySequence(to, keys);
  QCoreApplication::processEvents();
}

// What a window of the last session is expected to come back as: translation,
// comparison, place, selection, top verse, geometry.
auto WhatItShows(CChildFrame* w) {
  return std::tuple(w->GetTranslation(), w->IsComparison(), w->GetCurrentPlace(), w->GetSelectedVerses(),
                    w->GetVerseList().GetTopIndex(), w->geometry());
}
using Shown = decltype(WhatItShows(nullptr));

}  // namespace

class ViewCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void textSizeAndFoundWordsSwitchAreKept() {
    Fixture f;
    QVERIFY(f.frame.ExecuteCommand(ID_FILE_NEW_BG));
    QVERIFY(f.frame.ExecuteCommand(ID_FILE_NEW_BW));
    CVerseListBox& list = f.Active()->GetVerseList();
    list.setFocus();
    const int height = list.GetItemHeight(0);
    QVERIFY(!f.frame.CommandAction(ID_VIEW_ZOOM_RESET)->isEnabled());

    struct Step {
      QKeySequence keys;
      int fontHeight;
    } steps[] = {{QKeySequence("Ctrl++"), -11}, {QKeySequence("Ctrl+="), -12}, {QKeySequence("Ctrl+-"), -11},
                 {QKeySequence("Ctrl+0"), -10}, {QKeySequence("Ctrl+0"), -10}, {QKeySequence("Ctrl+="), -11}};
    for (const Step& step : steps) {
      Press(&list, step.keys);
      QCOMPARE(f.frame.DisplaySettings().font.height, step.fontHeight);
    }
    // Every window is laid out anew in the larger font.
    for (CChildFrame* window : f.frame.findChildren<CChildFrame*>())
      QVERIFY(window->GetVerseList().GetItemHeight(0) > height);

    // Ctrl with the wheel, two notches towards the reader: two steps smaller.
    QWheelEvent wheel(QPointF(60, 10), list.viewport()->mapToGlobal(QPointF(60, 10)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.viewport(), &wheel);
    QCOMPARE(f.frame.DisplaySettings().font.height, -9);

    // The found words' switch, on at first, is kept as well.
    QVERIFY(f.frame.CommandAction(ID_VIEW_FOUND_WORDS)->isChecked());
    QVERIFY(f.frame.ExecuteCommand(ID_VIEW_FOUND_WORDS));
    f.frame.RefreshCommandStates();
    QVERIFY(!f.frame.CommandAction(ID_VIEW_FOUND_WORDS)->isChecked());
    QVERIFY(!f.frame.findChild<CReadingWindows*>()->Look().showFoundWords);
    f.frame.close();
    QCOMPARE(CProfile(f.profile.Path()).GetProfileInt("Skrybon", "Font height", 0), -9);
    QCOMPARE(CProfile(f.profile.Path()).GetProfileInt("Skrybon", "Highlight found words", 1), 0);
  }

  // Three windows of two translations come back as they were left; with BW
  // gone, its window is left out without a word.
  void lastSessionOpensAgain() {
    Fixture f;
    QVERIFY(!f.frame.CommandAction(ID_VIEW_RESTORE_SESSION)->isChecked());
    CReadingWindows& windows = *f.frame.findChild<CReadingWindows*>();
    CChildFrame* first = windows.OpenWindowAt(TranslationId::BG, {0, 2, 100});
    first->RestoreView({100, 101, 103}, 90);
    first->setGeometry(10, 20, 400, 300);
    CChildFrame* second = windows.OpenComparisonWindow(*first, TranslationId::BW);
    second->setGeometry(30, 40, 350, 250);
    CChildFrame* third = windows.OpenWindowAt(TranslationId::BG, {3, 1, 1});
    third->setGeometry(50, 60, 300, 200);
    f.frame.MdiArea()->setActiveSubWindow(second);
    const std::vector<Shown> left{WhatItShows(first), WhatItShows(second), WhatItShows(third)};
    QVERIFY(std::get<1>(left[1]));
    QVERIFY(std::get<4>(left[0]) > 0);
    QVERIFY(f.frame.ExecuteCommand(ID_VIEW_RESTORE_SESSION));
    f.frame.close();

    for (const bool withBw : {true, false}) {
      if (!withBw) f.data.Data().Get(TranslationId::BW).SetIndex({});
      CProfile profile(f.profile.Path());
      CMainFrame again(f.data.Data(), profile);
      QStringList messages;
      again.findChild<CReadingWindows*>()->SetMessageSink([&messages](const QString& m) { messages << m; });
      again.resize(1000, 700);
      again.show();
      again.RestoreLastSession();
      std::vector<Shown> back;
      for (QMdiSubWindow* sub : again.MdiArea()->subWindowList(QMdiArea::CreationOrder))
        back.push_back(WhatItShows(qobject_cast<CChildFrame*>(sub)));
      QCOMPARE(messages, QStringList());
      if (withBw) {
        QVERIFY(back == left);
        auto* active = qobject_cast<CChildFrame*>(again.ActiveReadingWindow());
        QVERIFY(active != nullptr && active->GetTranslation() == TranslationId::BW);
      } else {
        QVERIFY(back == (std::vector<Shown>{left[0], left[2]}));
      }
    }
  }
};

QTEST_MAIN(ViewCommandsTest)
#include "view_commands_widget_test.moc"

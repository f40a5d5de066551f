// SPDX-License-Identifier: GPL-2.0-or-later
// Reading windows inside the real main frame: the frame's new-window commands
// and accelerators (Ctrl+W among them) work from a focused verse list, the
// menu bar with the window menus is shown while a window is open, comparison
// accelerators follow their enabling, and new display settings re-measure
// every open list.
#include <QApplication>
#include <QtTest>
#include <memory>

#include "app/frame_fixture_test.h"
#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "testing/fixture_data.h"
#include "ui/command_ids.h"

using namespace skrybon;

class ReadingFrameTest : public testing::CFrameTest<testing::CReadingTestData> {
  Q_OBJECT

 private:
  std::size_t WindowCount() const { return frame_->findChild<CReadingWindows*>()->Windows().size(); }
  void Keys(QKeyCombination keys) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, keys.key(), keys.keyboardModifiers());
    QApplication::processEvents();
  }

 private slots:
  void init() {
    QVERIFY(StartFrame());
    frame_->findChild<CReadingWindows*>()->SetMessageSink([](const QString&) {});
  }

  void cleanup() { StopFrame(); }

  void theFramesAcceleratorsWorkFromAFocusedVerseList() {
    QCOMPARE(frame_->MenuBarId(), IDR_MENU_NO_WINDOW);
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BG));
    QCOMPARE(frame_->MenuBarId(), IDR_MENU_WITH_WINDOW);
    CChildFrame* bg = Active();
    QVERIFY(bg != nullptr);
    bg->setFocus();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&bg->GetVerseList()));

    Keys(Qt::CTRL | Qt::Key_W);
    QCOMPARE(WindowCount(), std::size_t{2});
    QCOMPARE(Active()->GetTranslation(), TranslationId::BW);
    QCOMPARE(Active()->windowTitle().right(9), QStringLiteral("1:1  (BW)"));

    Keys(Qt::CTRL | Qt::Key_T);
    QCOMPARE(Active()->GetTranslation(), TranslationId::BT);
    Active()->ShowPlace(27, 1, 2);  // Syracha: only BT has it
    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
    QCOMPARE(WindowCount(), std::size_t{3});
    Active()->ShowPlace(18, 1, 2);
    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
    QCOMPARE(WindowCount(), std::size_t{4});
    QCOMPARE(Active()->GetTranslation(), TranslationId::BG);
    QVERIFY(Active()->GetCurrentPlace() == (VerseRef{16, 1, 2}));

    Keys(Qt::CTRL | Qt::Key_A);
    QCOMPARE(Active()->GetSelectedVerses().size(), std::size_t{3});
    QVERIFY(Active()->windowTitle().endsWith(QStringLiteral(" 2:1-3 (BG)")));

    QVERIFY(frame_->ExecuteCommand(ID_WINDOW_CLOSE_ALL));
    QApplication::processEvents();
    QCOMPARE(WindowCount(), std::size_t{0});
    QCOMPARE(frame_->MenuBarId(), IDR_MENU_NO_WINDOW);
  }

  void newDisplaySettingsReMeasureEveryList() {
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BG));
    CChildFrame* first = Active();
    first->ShowPlace(0, 2, 0);
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BT));
    CChildFrame* second = Active();
    const int before1 = first->GetVerseList().GetItemHeight(0);
    const int before2 = second->GetVerseList().GetItemHeight(0);
    CDisplaySettings settings = frame_->DisplaySettings();
    settings.font.height = settings.font.height * 2;
    frame_->SetDisplaySettings(settings);
    QVERIFY(first->GetVerseList().GetItemHeight(0) > before1);
    QVERIFY(second->GetVerseList().GetItemHeight(0) > before2);
    QCOMPARE(first->GetVerseList().CurrentLook().font.pixelSize(), frame_->DisplayFont().pixelSize());
  }
};

QTEST_MAIN(ReadingFrameTest)
#include "reading_frame_widget_test.moc"

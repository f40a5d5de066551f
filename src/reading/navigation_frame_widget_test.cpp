// SPDX-License-Identifier: GPL-2.0-or-later
// The navigation bar inside the main frame: it is the frame's first command
// target, so the step accelerators reach it from a verse list and from its
// own text fields; it follows the active window and is disabled without one.
#include <QAbstractButton>
#include <QApplication>
#include <QDockWidget>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>
#include <memory>

#include "app/frame_fixture_test.h"
#include "reading/book_combo.h"
#include "reading/child_frame.h"
#include "reading/navigation_bar.h"
#include "reading/verse_list_box.h"
#include "testing/fixture_data.h"
#include "ui/command_ids.h"

using namespace skrybon;

class NavigationFrameTest : public testing::CFrameTest<testing::NavigationData> {
  Q_OBJECT

 private:

  CNavigationBar* Bar() const { return dynamic_cast<CNavigationBar*>(frame_->NavigationBarDock()->widget()); }

 private slots:
  void init() { QVERIFY(StartFrame()); }
  void cleanup() { StopFrame(); }

  void theBarIsInstalledAndFollowsTheActiveWindow() {
    QVERIFY(Bar() != nullptr);
    QVERIFY(!Bar()->BookBox()->isEnabled());
    QVERIFY(!Enabled(ID_NEXT_CHAPTER));
    QVERIFY(!frame_->ExecuteCommand(ID_NEXT_CHAPTER));

    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BT));
    QCOMPARE(Bar()->BookBox()->count(), 73);
    QVERIFY(Enabled(ID_OPEN_PLACE));
    QVERIFY(frame_->ExecuteCommand(ID_NEXT_BOOK));
    QCOMPARE(Bar()->BookBox()->SelectedBook(), 1);

    QVERIFY(frame_->ExecuteCommand(ID_WINDOW_CLOSE));
    QTRY_VERIFY(!Bar()->BookBox()->isEnabled());
    QVERIFY(!Bar()->OpenButton()->isEnabled());
    QVERIFY(!Enabled(ID_NEXT_BOOK));
  }

  void closingWindowsByTheirOwnCloseKeepsTheBarInStep() {
    // The title bar's close button and Ctrl+F4 close the window itself, not
    // through the frame's command.
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BT));
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BG));
    QCOMPARE(Bar()->BookBox()->count(), 66);
    QVERIFY(Active()->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_COMPARE(Bar()->BookBox()->count(), 73);  // the BT window took over
    QVERIFY(Bar()->BookBox()->isEnabled());
    QVERIFY(Active()->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(frame_->MdiArea()->subWindowList().isEmpty());
    QTRY_VERIFY(!Bar()->BookBox()->isEnabled());
    QVERIFY(!Bar()->OpenButton()->isEnabled());
  }

  void stepKeysReachTheBarFromTheVerseListAndFromItsFields() {
    QVERIFY(frame_->ExecuteCommand(ID_FILE_NEW_BG));
    CChildFrame* window = Active();
    window->ShowPlace(45, 0, 2);
    CVerseListBox& list = window->GetVerseList();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{45, 1, 2}));
    QTest::keyClick(&list, Qt::Key_Down, Qt::ControlModifier);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{46, 1, 2}));
    QTest::keyClick(&list, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(&list, Qt::Key_Left, Qt::ControlModifier);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{45, 0, 2}));

    // Ctrl+K puts the focus into the book box; Ctrl+Right there is still the next chapter.
    QTest::keyClick(&list, Qt::Key_K, Qt::ControlModifier);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == Bar()->BookBox() || focus == Bar()->BookBox()->lineEdit());
    QTest::keyClick(focus, Qt::Key_Right, Qt::ControlModifier);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{45, 1, 2}));

    // Ctrl+R selects the chapter box's text; typing replaces it and Ctrl+O opens.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(Bar()->ChapterBox()->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{45, 11, 2}));
  }
};

QTEST_MAIN(NavigationFrameTest)
#include "navigation_frame_widget_test.moc"

// SPDX-License-Identifier: GPL-2.0-or-later
// The navigation bar against reading windows on a fixture data folder:
// typed places, the book list, the boxes and arrows, the step commands and
// their routing, the history menu and the keyboard way from a verse list.
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <memory>

#include "data/scripture_data.h"
#include "reading/book_combo.h"
#include "reading/child_frame.h"
#include "reading/history_button.h"
#include "reading/navigation_bar.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "testing/fixture_data.h"
#include "testing/widget_fixtures.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

using namespace skrybon;

class NavigationBarTest : public testing::CReadingWindowsTest {
  Q_OBJECT

 private:
  std::unique_ptr<testing::NavigationData> data_;
  CNavigationBar* bar_ = nullptr;

  CChildFrame* Open(TranslationId id) {
    CChildFrame* window = windows_->OpenTranslationWindow(id);
    bar_->Refresh();
    return window;
  }
  VerseRef PlaceOf(const CChildFrame* w) const { return w->GetCurrentPlace(); }
  QLineEdit* BookEdit() const { return bar_->BookBox()->lineEdit(); }
  void TypeInBookBox(const QString& text) {
    bar_->FocusBookBox();
    QTest::keyClicks(BookEdit(), text);
  }

 private slots:
  void init() {
    data_ = std::make_unique<testing::NavigationData>();
    SetUpWindows(data_->Data(), QSize(1000, 700));
    bar_ = new CNavigationBar(data_->Data(), [this] { return Active(); }, central_);
    AddAboveArea(bar_);
    connect(area_, &QMdiArea::subWindowActivated, bar_, &CNavigationBar::Refresh);
    QVERIFY(ShowActive());
  }

  void cleanup() {
    TearDownWindows();
    data_.reset();
  }

  void withoutAWindowEverythingIsDisabled() {
    for (QWidget* control : std::initializer_list<QWidget*>{bar_->BookBox(), bar_->ChapterBox(), bar_->VerseBox(),
                                                            bar_->OpenButton(), bar_->HistoryButton()})
      QVERIFY(!control->isEnabled());
    for (int id : {ID_OPEN_PLACE, ID_NEXT_CHAPTER, ID_PREV_CHAPTER, ID_NEXT_BOOK, ID_PREV_BOOK, ID_GOTO_BOOK}) {
      QCOMPARE(testing::StateOf(*bar_, id), testing::CommandState::Disabled);
      QVERIFY(bar_->OnCommand(id));  // handled, and nothing happens
    }
    QCOMPARE(testing::StateOf(*bar_, ID_EDIT_COPY), testing::CommandState::Unhandled);

    Open(TranslationId::BG);
    QVERIFY(bar_->BookBox()->isEnabled());
    QVERIFY(!bar_->HistoryButton()->isEnabled());  // one place only
    QCOMPARE(testing::LabelOf(bar_->BookBox()), QStringLiteral("Księga:  "));  // its name for screen readers
  }

  void aTypedPlaceAndEnterShowsIt() {
    CChildFrame* window = Open(TranslationId::BG);
    TypeInBookBox(QStringLiteral("1 Kor 13:4"));
    QTest::keyClick(BookEdit(), Qt::Key_Return);
    QVERIFY(PlaceOf(window) == (VerseRef{45, 12, 3}));
    QCOMPARE(bar_->BookBox()->currentText(), QStringLiteral("1 Koryntów"));
    QCOMPARE(bar_->ChapterBox()->value(), 13);
    QCOMPARE(bar_->ChapterBox()->maximum(), 16);
    QCOMPARE(bar_->VerseBox()->value(), 4);
    // The focus is on the verse shown, which a screen reader then reads.
    QCOMPARE(window->GetVerseList().currentIndex().row(), 3);

    // A chapter without a verse keeps the verse box's number, taken into range.
    bar_->VerseBox()->setValue(3);
    TypeInBookBox(QStringLiteral("1 Kor 2"));
    QTest::keyClick(BookEdit(), Qt::Key_Enter);
    QVERIFY(PlaceOf(window) == (VerseRef{45, 1, 2}));
    TypeInBookBox(QStringLiteral("Jan"));  // no chapter: chapter box's 2 taken into Jana's 3 chapters
    QTest::keyClick(BookEdit(), Qt::Key_Return);
    QVERIFY(PlaceOf(window) == (VerseRef{42, 1, 2}));
    QVERIFY(messages_.isEmpty());
  }

  // An unknown name drops the list down and shows nothing. So does a character
  // Windows-1250 lacks, whatever the rest of the text would match as '?'.
  void anUnknownNameDropsTheListAndShowsNothing() {
    CChildFrame* window = Open(TranslationId::BG);
    for (const QString& typed : {QStringLiteral("Xyz 3:1"), QString::fromUtf8("1 Korα 13")}) {
      bar_->FocusBookBox();
      for (const QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, BookEdit(), Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::keyClick(BookEdit(), Qt::Key_Return);
      QTRY_VERIFY(bar_->BookBox()->view()->isVisible());
      QVERIFY(!bar_->BookBox()->IsEditTextValid());
      bar_->BookBox()->hidePopup();
      QVERIFY(bar_->BookBox()->IsEditTextValid());
    }
    QVERIFY(PlaceOf(window) == (VerseRef{0, 0, 0}));
    QCOMPARE(window->GetPlaceHistory().Size(), std::size_t{1});

    // The Open button too.
    bar_->OnOpen();
    QTRY_VERIFY(bar_->BookBox()->view()->isVisible());
    QVERIFY(PlaceOf(window) == (VerseRef{0, 0, 0}));
    QVERIFY(messages_.isEmpty());
  }

  void tabResolvesATypedPlaceOrKeepsTheFocus() {
    CChildFrame* window = Open(TranslationId::BG);
    TypeInBookBox(QStringLiteral("Nic"));
    QTest::keyClick(BookEdit(), Qt::Key_Tab);
    QTRY_VERIFY(bar_->BookBox()->view()->isVisible());
    bar_->BookBox()->hidePopup();
    QVERIFY(BookEdit()->hasFocus() || bar_->BookBox()->hasFocus());

    TypeInBookBox(QStringLiteral("1 kor 9"));
    QTest::keyClick(BookEdit(), Qt::Key_Tab);
    QCOMPARE(bar_->BookBox()->SelectedBook(), 45);
    QCOMPARE(bar_->ChapterBox()->value(), 9);
    QVERIFY(bar_->ChapterBox()->hasFocus());
    QVERIFY(PlaceOf(window) == (VerseRef{0, 0, 0}));  // Tab shows nothing

    // Tab in the open list closes it and takes the typed text, not the highlighted name.
    TypeInBookBox(QStringLiteral("1 kor 3"));
    QTest::keyClick(BookEdit(), Qt::Key_Down);
    QVERIFY(bar_->BookBox()->view()->isVisible());
    QTest::keyClick(bar_->BookBox()->view(), Qt::Key_Down);
    QTest::keyClick(bar_->BookBox()->view(), Qt::Key_Tab);
    QTRY_VERIFY(!bar_->BookBox()->view()->isVisible());
    QCOMPARE(bar_->BookBox()->SelectedBook(), 45);
    QCOMPARE(bar_->ChapterBox()->value(), 3);
    QVERIFY(bar_->ChapterBox()->hasFocus());
  }

  // Typing keeps every digit; Open (or leaving the box) takes a number above
  // the count, an emptied box or 0 as the last chapter or verse.
  void emptyZeroOrTooBigNumbersOpenTheLast() {
    CChildFrame* window = Open(TranslationId::BG);
    struct Case {
      bool chapterBox;
      QString typed;
      VerseRef expected;
    };
    const int lastChapter = testing::ChapterCount(45) - 1;
    const Case cases[] = {
        {true, QStringLiteral("30"), {45, lastChapter, 1}},  // "3" alone would be a chapter
        {true, QString(), {45, lastChapter, 1}},
        {false, QStringLiteral("0"), {45, 2, testing::VerseCount(45, 2) - 1}},
        {false, QStringLiteral("007"), {45, 2, testing::VerseCount(45, 2) - 1}},
        {false, QStringLiteral("02"), {45, 2, 1}},
    };
    for (const Case& c : cases) {
      window->ShowPlace(45, 2, 1);
      QSpinBox* box = c.chapterBox ? bar_->ChapterBox() : bar_->VerseBox();
      c.chapterBox ? bar_->FocusChapterBox() : bar_->FocusVerseBox();
      QTest::keyClick(box, Qt::Key_Backspace);  // the focus selects the whole number
      QTest::keyClicks(box, c.typed + QStringLiteral("x"));  // a letter is refused
      QCOMPARE(box->text(), c.typed);
      QTest::keyClick(box, Qt::Key_Return);
      QVERIFY2(PlaceOf(window) == c.expected, qPrintable(c.typed));
    }

    // Leaving the box takes the number into range too, not back to the old one.
    window->ShowPlace(45, 2, 1);
    bar_->FocusChapterBox();
    QTest::keyClicks(bar_->ChapterBox(), QStringLiteral("30"));
    bar_->FocusVerseBox();
    QCOMPARE(bar_->ChapterBox()->text(), QString::number(lastChapter + 1));
    bar_->OnOpen();
    QCOMPARE(PlaceOf(window).chapter, lastChapter);
  }

  void bookArrowsMoveTheSelectionWithoutShowing() {
    CChildFrame* window = Open(TranslationId::BG);
    window->ShowPlace(1, 1, 4);  // book 1: 2 chapters
    auto* spin = bar_->findChild<QAbstractSpinBox*>(QString(), Qt::FindDirectChildrenOnly);  // the book arrows
    spin->stepBy(-1);  // down: next book, 3 chapters
    QCOMPARE(bar_->BookBox()->SelectedBook(), 2);
    QCOMPARE(bar_->ChapterBox()->value(), 2);
    QCOMPARE(bar_->ChapterBox()->maximum(), 3);
    spin->stepBy(1);
    spin->stepBy(1);  // up twice: book 0 with one chapter
    QCOMPARE(bar_->BookBox()->SelectedBook(), 0);
    QCOMPARE(bar_->VerseBox()->value(), 3);  // 5 did not fit the 3 verses of 1:1
    spin->stepBy(1);  // no wrapping before the first book
    QCOMPARE(bar_->BookBox()->SelectedBook(), 0);
    QVERIFY(PlaceOf(window) == (VerseRef{1, 1, 4}));
    bar_->OnOpen();
    QVERIFY(PlaceOf(window) == (VerseRef{0, 0, 2}));

    // The chapter arrows adapt the verse range.
    window->ShowPlace(3, 0, 5);  // chapters of 6, 7, 3, 4 verses
    bar_->ChapterBox()->stepBy(1);
    QCOMPARE(bar_->VerseBox()->value(), 6);
    bar_->ChapterBox()->stepBy(1);
    QCOMPARE(bar_->VerseBox()->value(), testing::VerseCount(3, 2));
  }

  void theBookListIsRefilledOnlyForAnotherTranslation() {
    CChildFrame* bg1 = Open(TranslationId::BG);
    QCOMPARE(bar_->BookBox()->count(), 66);
    QSignalSpy refills(bar_->BookBox()->model(), &QAbstractItemModel::rowsInserted);
    CChildFrame* bg2 = Open(TranslationId::BG);
    bg2->ShowPlace(4, 1, 0);
    area_->setActiveSubWindow(bg1);
    area_->setActiveSubWindow(bg2);
    QCOMPARE(refills.count(), 0);
    QCOMPARE(bar_->BookBox()->SelectedBook(), 4);

    Open(TranslationId::BT);
    QCOMPARE(refills.count(), 1);
    QCOMPARE(bar_->BookBox()->count(), 73);

    // Closing every window keeps the list for the next window of its translation.
    area_->closeAllSubWindows();
    bar_->Refresh();
    QVERIFY(!bar_->BookBox()->isEnabled());
    Open(TranslationId::BT);
    QCOMPARE(refills.count(), 1);
  }

  void theHistoryMenuListsEarlierPlacesAndShowsTheChosenOne() {
    CChildFrame* window = Open(TranslationId::BG);
    for (int book = 1; book <= 6; ++book) window->ShowPlace(book, 0, 1);  // seven places in all
    QVERIFY(bar_->HistoryButton()->isEnabled());

    QStringList shown;
    testing::OnNextMenu(this, [&shown](QMenu* menu) {
      for (QAction* action : menu->actions()) shown << action->text();
      menu->setActiveAction(menu->actions().at(2));
      QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::mouseClick(bar_->HistoryButton(), Qt::LeftButton);
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown.first(), ToQString(BookAbbreviation(TranslationId::BG, 5)) + QStringLiteral(" 1:2  \t(BG)"));
    QVERIFY(PlaceOf(window) == (VerseRef{3, 0, 1}));
    testing::OnNextMenu(this, [](QMenu* menu) { menu->close(); });  // dismissed: nothing changes
    QTest::mouseClick(bar_->HistoryButton(), Qt::LeftButton);
    QVERIFY(PlaceOf(window) == (VerseRef{3, 0, 1}));
  }

  void typingInAVerseListStartsAPlaceInTheBookBox() {
    CChildFrame* window = Open(TranslationId::BG);
    CVerseListBox& list = window->GetVerseList();
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Exclam);  // one of the list's movement keys: stays there
    QVERIFY(list.hasFocus());
    QTest::keyClicks(&list, QStringLiteral("1"));
    QVERIFY(bar_->BookBox()->hasFocus() || BookEdit()->hasFocus());
    QCOMPARE(BookEdit()->text(), QStringLiteral("1"));
    QTest::keyClicks(BookEdit(), QStringLiteral(" kor 5:2"));
    QTest::keyClick(BookEdit(), Qt::Key_Return);
    QVERIFY(PlaceOf(window) == (VerseRef{45, 4, 1}));
    QVERIFY(list.hasFocus());
    // Selecting a verse in the list puts its number into the verse box.
    list.SelectOnly(3);
    QCOMPARE(bar_->VerseBox()->value(), 4);

    // Tab from the list goes to the book box without typing; the box's name stays.
    QTest::keyClick(&list, Qt::Key_Tab);
    QVERIFY(bar_->BookBox()->hasFocus() || BookEdit()->hasFocus());
    QCOMPARE(BookEdit()->text(), QStringLiteral("1 Koryntów"));
    // Down opens the list; Enter takes the highlighted book, a second Enter opens it.
    QTest::keyClick(BookEdit(), Qt::Key_Down);
    QVERIFY(bar_->BookBox()->view()->isVisible());
    QTest::keyClick(bar_->BookBox()->view(), Qt::Key_Down);
    QTest::keyClick(bar_->BookBox()->view(), Qt::Key_Return);
    QTRY_VERIFY(!bar_->BookBox()->view()->isVisible());
    QCOMPARE(bar_->BookBox()->SelectedBook(), 46);
    QTest::keyClick(BookEdit(), Qt::Key_Return);
    QCOMPARE(PlaceOf(window).book, 46);
  }
};

QTEST_MAIN(NavigationBarTest)
#include "navigation_bar_widget_test.moc"

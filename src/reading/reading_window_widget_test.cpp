// SPDX-License-Identifier: GPL-2.0-or-later
// Reading windows against a fixture data folder: opening, ShowPlace in and
// across chapters, a missing book file, selection titles, command enabling,
// comparison windows, the minimum width, keys and the verse list's layout.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "data/codepage.h"
#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "reading/verse_words.h"
#include "reading/verse_list_box.h"
#include "testing/fixture_data.h"
#include "testing/widget_fixtures.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

using namespace skrybon;

namespace {

QString Title(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void SelectRows(CVerseListBox& list, std::initializer_list<int> rows) {
  list.clearSelection();
  for (int row : rows) list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
}

}  // namespace

class ReadingWindowTest : public testing::CReadingWindowsTest {
  Q_OBJECT

 private:
  std::unique_ptr<testing::CReadingTestData> data_;

 private slots:
  void init() {
    data_ = std::make_unique<testing::CReadingTestData>();
    SetUpWindows(data_->Data());
    CVerseListLook look;
    look.font = QFont(QStringLiteral("DejaVu Sans"));
    look.font.setPixelSize(12);
    windows_->SetLookSource([look] { return look; });
    main_->show();
  }

  void cleanup() {
    TearDownWindows();
    data_.reset();
  }

  void newWindowsOpenAtTheFirstVerseOfEveryTranslation() {
    const std::vector<std::pair<int, QString>> cases = {
        {ID_FILE_NEW_BG, Title("1 Moj. 1:1  (BG)")},
        {ID_FILE_NEW_BW, ToQString(BookAbbreviation(TranslationId::BW, 0)) + Title(" 1:1  (BW)")},
        {ID_FILE_NEW_BT, Title("Rdz 1:1  (BT)")}};
    QList<TranslationId> iconsAsked;
    windows_->SetIconSource([&iconsAsked](TranslationId id) {
      iconsAsked << id;
      return QIcon(QPixmap(16, 16));
    });
    for (const auto& [command, title] : cases) {
      QCOMPARE(testing::StateOf(*windows_, command), testing::CommandState::Enabled);
      QVERIFY(windows_->OnCommand(command));
      auto* window = qobject_cast<CChildFrame*>(area_->activeSubWindow());
      QVERIFY(window != nullptr);
      QCOMPARE(window->windowTitle(), title);
      QCOMPARE(window->GetSelectedVerses(), std::vector<int>{0});
      QVERIFY(!window->windowIcon().isNull());
    }
    QCOMPARE(iconsAsked, (QList<TranslationId>{TranslationId::BG, TranslationId::BW, TranslationId::BT}));
    QVERIFY(messages_.isEmpty());
  }

  void showPlaceLoadsAnotherChapterAndOnlyReselectsInTheShownOne() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BG);
    QSignalSpy shown(window, &CChildFrame::placeShown);
    window->ShowPlace(0, 2, 100);
    CVerseListBox& list = window->GetVerseList();
    QCOMPARE(list.GetCount(), testing::kLongChapterVerses);
    QCOMPARE(window->GetSelectedVerses(), std::vector<int>{100});
    QCOMPARE(list.GetTopIndex(), 100);
    QCOMPARE(window->windowTitle(), Title("1 Moj. 3:101  (BG)"));
    QCOMPARE(window->GetPlaceHistory().Size(), std::size_t{2});
    QCOMPARE(window->GetPlaceHistory().Entries().front().GetText(), Cp("1 Moj. 3:101  \t(BG)"));

    // Without the book file a reload would fail: a reselection does not read it.
    std::filesystem::remove(data_->BookFile(TranslationId::BG, 0));
    window->ShowPlace(0, 2, 3);
    QVERIFY(messages_.isEmpty());
    QCOMPARE(shown.count(), 2);
    QCOMPARE(window->GetSelectedVerses(), std::vector<int>{3});
    QCOMPARE(window->windowTitle(), Title("1 Moj. 3:4  (BG)"));
    QCOMPARE(window->GetPlaceHistory().Size(), std::size_t{2});
    // Beyond the last verse: nothing selected, the title names the verse asked for.
    window->ShowPlace(0, 2, 200);
    QVERIFY(window->GetSelectedVerses().empty());
    QCOMPARE(window->windowTitle(), Title("1 Moj. 3:201  (BG)"));
    QCOMPARE(window->GetCurrentVerse(), 200);

    // Another book.
    window->ShowPlace(1, 1, 2);
    QCOMPARE(list.GetCount(), 3);
    QCOMPARE(list.GetVerseText(0), testing::FixtureVerse(1, 1, 0));
    QCOMPARE(window->GetPlaceHistory().Size(), std::size_t{3});
  }

  void aMissingBookFileIsReportedAndChangesNothing() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BG);
    window->ShowPlace(0, 0, 2);
    QSignalSpy shown(window, &CChildFrame::placeShown);
    window->ShowPlace(testing::kMissingBook, 0, 0);
    QCOMPARE(messages_.size(), 1);
    QVERIFY2(messages_[0].startsWith(Title("Nie mogę odnaleźć pliku:")), qPrintable(messages_[0]));
    QCOMPARE(shown.count(), 1);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{0, 0, 2}));
    QCOMPARE(window->GetVerseList().GetVerseText(0), testing::FixtureVerse(0, 0, 0));
    QCOMPARE(window->GetPlaceHistory().Size(), std::size_t{1});
    // A new window whose first chapter fails keeps the translation title and stays empty.
    CChildFrame* empty = windows_->OpenWindowAt(TranslationId::BT, {testing::kMissingBook, 0, 0});
    QCOMPARE(messages_.size(), 2);
    QCOMPARE(empty->windowTitle(), Title("Biblia Tysiąclecia"));
    QCOMPARE(empty->GetVerseList().GetCount(), 0);
    QVERIFY(empty->GetPlaceHistory().Empty());
    // It shows no place, so there is none to compare: the commands are
    // disabled and a direct call opens nothing (no "1 Moj. 0:0" window).
    for (int id : {ID_COMPARE_BG, ID_COMPARE_BW, ID_COMPARE_BT})
      QCOMPARE(testing::StateOf(*empty, id), testing::CommandState::Disabled);
    const std::size_t before = windows_->Windows().size();
    QVERIFY(empty->OnCommand(ID_COMPARE_BG));
    QVERIFY(windows_->OpenComparisonWindow(*empty, TranslationId::BW) == nullptr);
    QCOMPARE(windows_->Windows().size(), before);
  }

  void theTitleFollowsTheSelection() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BG);
    CVerseListBox& list = window->GetVerseList();
    SelectRows(list, {0, 1, 2, 4});
    QCOMPARE(window->windowTitle(), Title("1 Moj. 1:1-3,5 (BG)"));
    QCOMPARE(window->GetCurrentVerse(), 0);
    SelectRows(list, {3});
    QCOMPARE(window->windowTitle(), Title("1 Moj. 1:4  (BG)"));
    QCOMPARE(window->GetCurrentVerse(), 3);
    // Nothing selected: the title stays.
    list.clearSelection();
    QCOMPARE(window->windowTitle(), Title("1 Moj. 1:4  (BG)"));
    QVERIFY(window->OnCommand(ID_EDIT_SELECT_ALL));
    QCOMPARE(window->windowTitle(), Title("1 Moj. 1:1-5 (BG)"));
    // The double blank of verse 3 comes back as it was.
    const CSelectedVerses selection = window->GetSelection();
    QCOMPARE(selection.verses, (std::vector<int>{0, 1, 2, 3, 4}));
    QVERIFY(selection.texts.at(2).find("z  p") != std::string::npos);
  }

  void selectionCommandsNeedASelectionAndFoundCommandsFoundVerses() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BG);
    window->GetVerseList().clearSelection();
    for (int id : {ID_EDIT_COPY, ID_SAVE_SELECTED_VERSES, ID_FILE_PRINT, ID_GOTO_FOUND_LIST, ID_SAVE_FOUND_VERSES}) {
      QCOMPARE(testing::StateOf(*window, id), testing::CommandState::Disabled);
      QVERIFY(window->OnCommand(id));  // swallowed, not passed on
    }
    // With something to act on, these are left to the targets that carry them out.
    SelectRows(window->GetVerseList(), {1});
    window->GetFoundVerseList().Add(1, 6, "x");  // book 1: entries 0-4 chapter 1, 5-7 chapter 2
    for (int id : {ID_EDIT_COPY, ID_SAVE_SELECTED_VERSES, ID_FILE_PRINT, ID_GOTO_FOUND_LIST, ID_SAVE_FOUND_VERSES,
                   ID_CLIPBOARD_CLEAR, ID_GOTO_BOOK}) {
      QCOMPARE(testing::StateOf(*window, id), testing::CommandState::Unhandled);
      QVERIFY(!window->OnCommand(id));
    }
    // A found verse is shown by its entry.
    window->ShowFoundVerse(0);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{1, 1, 1}));
    window->ShowFoundVerse(1);  // no such found verse
    QVERIFY(window->GetCurrentPlace() == (VerseRef{1, 1, 1}));
  }

  void comparisonFollowsTheBookTablesAndSkipsBooksOnlyBtHas() {
    CChildFrame* bt = windows_->OpenWindowAt(TranslationId::BT, {27, 1, 2});  // Syracha
    using enum testing::CommandState;
    for (auto [id, state] : {std::pair{ID_COMPARE_BG, Disabled}, {ID_COMPARE_BW, Disabled}, {ID_COMPARE_BT, Enabled}})
      QCOMPARE(testing::StateOf(*bt, id), state);

    CChildFrame* bg = windows_->OpenWindowAt(TranslationId::BG, {16, 1, 4});  // Estery 2:5
    for (int id : {ID_COMPARE_BG, ID_COMPARE_BW, ID_COMPARE_BT}) QCOMPARE(testing::StateOf(*bg, id), Enabled);
    QVERIFY(bg->OnCommand(ID_COMPARE_BT));
    auto* toBt = qobject_cast<CChildFrame*>(area_->activeSubWindow());
    QCOMPARE(toBt->GetTranslation(), TranslationId::BT);
    QVERIFY(toBt->GetCurrentPlace() == (VerseRef{18, 1, 4}));

    CChildFrame* last = windows_->OpenWindowAt(TranslationId::BT, {72, 0, 1});
    QVERIFY(windows_->OpenComparisonWindow(*last, TranslationId::BW)->GetCurrentPlace() == (VerseRef{65, 0, 1}));
    // With its own translation: a second window at the same place.
    CChildFrame* same = windows_->OpenComparisonWindow(*bg, TranslationId::BG);
    QVERIFY(same != bg);
    QVERIFY(same->GetCurrentPlace() == bg->GetCurrentPlace());
  }

  void theContextMenuOffersTheWindowsCommandsWithTheirState() {
    CChildFrame* window = windows_->OpenWindowAt(TranslationId::BT, {27, 0, 0});
    window->GetVerseList().clearSelection();
    QStringList seen;
    testing::OnNextMenu(this, [&seen](QMenu* menu) {
      for (QAction* action : menu->actions()) {  // submenus go one level deep
        QMenu* sub = action->menu();
        const QString prefix = sub != nullptr ? action->text() + "/" : QString();
        for (QAction* item : sub != nullptr ? sub->actions() : QList<QAction*>{action})
          if (!item->isSeparator()) seen << prefix + item->text() + (item->isEnabled() ? "" : " -");
      }
      menu->close();
    });
    emit window->GetVerseList().contextMenuWanted(QPoint(100, 100));
    QVERIFY(seen.contains(Title("&Kopiuj/Dołącz -")));          // nothing selected
    QVERIFY(seen.contains(Title("&Zaznacz wszystko")));
    QVERIFY(seen.contains(Title("&Nowe okno/Biblia &Tysiąclecia")));
    QVERIFY(seen.contains(Title("&Porównaj z .../Biblia &Gdańska -")));  // Syracha
    QVERIFY(seen.contains(Title("&Porównaj z .../Biblia &Tysiąclecia")));
    QCOMPARE(seen.size(), 17);
  }

  void narrowingStopsAtTheMinimumWidth() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BG);
    window->setGeometry(30, 40, 400, 300);
    window->resize(150, 300);
    QCOMPARE(window->width(), CChildFrame::kMinimumWidth);
  }

  // Movement keys stay in the list (typing goes to the book box: the navigation
  // bar's test). Copying is the program's command; with nothing selected it is
  // disabled and the key reaches the list, which must not copy its current verse.
  void movementKeysStayInTheListWhichCopiesNothingOfItsOwn() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BG);
    CVerseListBox& list = window->GetVerseList();
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(window->GetSelectedVerses(), std::vector<int>{1});
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(window->windowTitle(), Title("1 Moj. 1:2-3 (BG)"));

    list.clearSelection();
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClick(&list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
  }

  void itemsAreAsHighAsTheirLinesAndBrokenLinesReachTheRightEdge() {
    CChildFrame* window = windows_->OpenWindowAt(TranslationId::BG, {0, 2, 0});
    CVerseListBox& list = window->GetVerseList();
    const QFontMetrics metrics(windows_->Look().font);
    auto check = [&] {
      const int right = list.viewport()->width() - CVerseListBox::kTextRightMargin;
      int wrapped = 0;
      for (int i = 0; i < list.GetCount(); ++i) {
        const VerseLayout* layout = list.GetItemLayout(i);
        QVERIFY(layout != nullptr);
        QCOMPARE(list.GetItemHeight(i), layout->lines * metrics.height() + CVerseListBox::kExtraHeight);
        QCOMPARE(list.visualRect(list.model()->index(i, 0)).height(), list.GetItemHeight(i));
        if (layout->lines > 1) ++wrapped;
        const std::vector<std::string> words = SplitVerseWords(list.GetVerseText(i));
        for (std::size_t w = 0; w < layout->words.size(); ++w) {
          const PlacedWord& placed = layout->words[w];
          const bool endsBrokenLine = placed.line < layout->lines - 1 &&
                                      (w + 1 == layout->words.size() || layout->words[w + 1].line != placed.line);
          if (endsBrokenLine) {
            QCOMPARE(placed.x + metrics.horizontalAdvance(ToQString(words[placed.word])), right);
          }
        }
      }
      QVERIFY(wrapped > 0);
    };
    window->resize(700, 500);
    check();
    const int tallBefore = list.GetItemHeight(0);
    list.SetTopIndex(60);
    window->resize(330, 500);
    check();
    QVERIFY(list.GetItemHeight(0) > tallBefore);
    QCOMPARE(list.GetTopIndex(), 60);  // the verse at the top stays there
  }
};

QTEST_MAIN(ReadingWindowTest)
#include "reading_window_widget_test.moc"

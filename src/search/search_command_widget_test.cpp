// SPDX-License-Identifier: GPL-2.0-or-later
// The search command against a fixture data folder: into a new window and
// into the current one, a missing book file, "Przerwij", the progress steps,
// the disabled frame, and the found-verses bar walking and following the
// active window.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "search/found_verses_bar.h"
#include "search/search_commands.h"
#include "search/search_dialog.h"
#include "search/search_progress_dlg.h"
#include "ui/screen_reader_notice.h"
#include "testing/fixture_data.h"
#include "testing/widget_fixtures.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

using namespace skrybon;

using testing::Control;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// What a screen reader reads as a widget's name.
QString Spoken(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface != nullptr ? iface->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

// Counts the times a widget is shown.
class CShowCounter : public QObject {
 public:
  int shown = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show) ++shown;
    return false;
  }
};

// Pixels of a verse list drawn in (or mostly in) the default found-words red.
int FoundColourPixels(CVerseListBox& list) {
  const QImage image = list.viewport()->grab().toImage();
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 140 && c.green() < 80 && c.blue() < 80) ++count;
    }
  return count;
}

QString Label(TranslationId id, int book, int chapter, int verse) {
  return ToQString(BookFullName(id, book)) + QStringLiteral(" %1:%2").arg(chapter + 1).arg(verse + 1);
}

}  // namespace

class SearchCommandTest : public testing::CReadingWindowsTest {
  Q_OBJECT

 private:
  std::unique_ptr<testing::CReadingTestData> data_;
  CFoundVersesBar* bar_ = nullptr;
  std::unique_ptr<CSearchCommands> search_;

  // One progress step as the search's observer saw it.
  struct Step {
    QString percent;
    QString status;
    bool frameEnabled;
    QString spokenPercent;
    QString spokenStatus;
  };
  QList<Step> steps_;
  int cancelAtBook_ = -1;

  // Runs the search command: after "Wyczyść" the words go into the word boxes
  // 1017 to 1020, the controls with the ids in clicks are clicked and more
  // sets the rest, then OK.
  void Find(QStringList words, std::initializer_list<int> clicks = {},
            std::function<void(CSearchDialog&)> more = [](CSearchDialog&) {}) {
    steps_.clear();
    CSearchDialog& dialog = search_->Dialog();
    QTimer::singleShot(0, &dialog, [&dialog, words, ids = std::vector<int>(clicks), more] {
      QTest::mouseClick(Control<QPushButton>(dialog, 1016), Qt::LeftButton);
      for (int i = 0; i < words.size(); ++i) Control<QLineEdit>(dialog, 1017 + i)->setText(words[i]);
      for (const int id : ids) QTest::mouseClick(Control<QAbstractButton>(dialog, id), Qt::LeftButton);
      more(dialog);
      if (dialog.isVisible()) QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    });
    QCOMPARE(testing::StateOf(*search_, ID_SEARCH), testing::CommandState::Enabled);
    QVERIFY(search_->OnCommand(ID_SEARCH));
    QVERIFY(!search_->IsRunning());
  }

 private slots:
  void init() {
    data_ = std::make_unique<testing::CReadingTestData>();
    SetUpWindows(data_->Data());
    windows_->SetMessageSink([](const QString&) {});  // only the search's own messages count here
    bar_ = new CFoundVersesBar([this] { return Active(); }, main_.get());
    connect(area_, &QMdiArea::subWindowActivated, bar_, &CFoundVersesBar::Refresh);
    search_ = std::make_unique<CSearchCommands>(*windows_, *bar_, main_.get());
    search_->SetMessageSink([this](const QString& text) { messages_ << text; });
    search_->SetProgressObserver([this](CSearchProgressDlg& progress, int book) {
      steps_ << Step{progress.PercentText(), progress.StatusText(), main_->isEnabled(),
                     Spoken(progress.findChild<QLabel*>(QStringLiteral("control1005"))),
                     Spoken(progress.findChild<QLabel*>(QStringLiteral("control1006")))};
      if (book == cancelAtBook_) {
        QTest::mouseClick(progress.findChild<QPushButton*>(QStringLiteral("control2")), Qt::LeftButton);
      }
    });
    cancelAtBook_ = -1;
    QVERIFY(ShowActive());
  }

  void cleanup() {
    search_.reset();
    TearDownWindows();
    data_.reset();
  }

  void searchIntoANewWindow() {
    QSignalSpy activated(area_, &QMdiArea::subWindowActivated);
    CShowCounter notices;
    bar_->Notice()->installEventFilter(&notices);
    Find({U("werset 3")}, {1029, 1026});
    CChildFrame* window = Active();
    QVERIFY(window != nullptr);
    QCOMPARE(window->GetTranslation(), TranslationId::BW);
    // The window opened while the frame was disabled is announced as active
    // once the frame is enabled again, so the bars follow it.
    QVERIFY(!activated.isEmpty());
    QCOMPARE(activated.back().at(0).value<QMdiSubWindow*>(), window);
    QCOMPARE(area_->activeSubWindow(), window);
    // Book 5 has no file: reported, skipped, no progress step for it.
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_[0].contains(U("'/ksiegi/5.bw'")));
    QVERIFY(messages_[0].endsWith(U("Księga ta zostanie pominięta w procesie szukania!")));
    QCOMPARE(steps_.size(), 65);
    QCOMPARE(steps_[0].status, ToQString(BookFullName(TranslationId::BW, 0)));
    for (const Step& step : steps_) QVERIFY(!step.frameEnabled);
    QVERIFY(main_->isEnabled());
    // Verse 3 of every chapter, as a whole word ("werset 30" is left out).
    const CFoundVerseList& found = window->GetFoundVerseList();
    QCOMPARE(found.GetCount(), 3 + 64 * 2);
    QCOMPARE(ToQString(found.GetLabel(0)), Label(TranslationId::BW, 0, 0, 2));
    // The window shows the first found verse and the bar lists them all.
    QVERIFY(window->GetCurrentPlace() == (VerseRef{0, 0, 2}));
    QVERIFY(bar_->List()->isEnabled());
    QCOMPARE(bar_->List()->count(), 131);
    QCOMPARE(bar_->List()->currentIndex(), 0);
    QCOMPARE(bar_->Message()->text(), U("Znaleziono 131 werset(ów). --słowa--> werset 3"));

    // A screen reader reads the progress texts and the result, and hears the
    // result announced when the search ends.
    for (const Step& step : steps_) {
      QCOMPARE(step.spokenPercent, step.percent);
      QCOMPARE(step.spokenStatus, step.status);
    }
    const QString result = bar_->Message()->text();
    QCOMPARE(Spoken(bar_->Message()), result);
    // The end is announced: a notification with the result appears once, unseen.
    QTRY_COMPARE_WITH_TIMEOUT(notices.shown, 1, 3 * CSearchCommands::kResultNoticeDelayMs);
    QTest::qWait(CSearchCommands::kResultNoticeDelayMs / 10);
    QCOMPARE(notices.shown, 1);
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(bar_->Notice());
    QCOMPARE(notice->role(), QAccessible::Notification);
    // It reads the found verse again: it would cut short its reading.
    QCOMPARE(notice->text(QAccessible::Name),
             result + ". " + ToQString(found.GetLabel(0)) + ": " + ToQString(window->GetVerseList().GetVerseText(2)));
    QVERIFY(!notice->state().invisible);
    QCOMPARE(bar_->Notice()->size(), QSize(0, 0));
    // Then the found verse has the focus, so that it is what is read next.
    CVerseListBox& list = window->GetVerseList();
    QTRY_COMPARE(QApplication::focusWidget(), &list);
    QCOMPARE(list.currentIndex().row(), 2);

    // The words that made a verse match stand out in every window of the
    // searched translation until the next search; switched off, nothing does.
    const std::size_t at = list.GetVerseText(2).find("werset 3");
    QCOMPARE(list.GetFoundRanges(2), (std::vector<CTextRange>{{at, at + 8}}));
    for (const int verse : {0, 1, 3, 4}) QVERIFY(list.GetFoundRanges(verse).empty());
    QVERIFY(FoundColourPixels(list) > 20);
    const QString spoken = list.model()->index(2, 0).data(Qt::AccessibleTextRole).toString();
    QCOMPARE(spoken, QStringLiteral("3. ") + ToQString(list.GetVerseText(2)));

    CChildFrame* sameTranslation = windows_->OpenWindowAt(TranslationId::BW, {1, 1, 0});
    QVERIFY(!sameTranslation->GetVerseList().GetFoundRanges(2).empty());
    CChildFrame* otherTranslation = windows_->OpenWindowAt(TranslationId::BG, {0, 0, 0});
    QVERIFY(otherTranslation->GetVerseList().GetFoundRanges(2).empty());

    windows_->SetLookSource([] {
      CVerseListLook look;
      look.showFoundWords = false;
      return look;
    });
    list.Relayout();
    QCOMPARE(FoundColourPixels(list), 0);
    windows_->SetLookSource({});

    // The next search, of the other translation, takes the marks away.
    Find({U("rozdział 2")}, {1025});
    QVERIFY(list.GetFoundRanges(2).empty());
    QVERIFY(!Active()->GetVerseList().GetFoundRanges(Active()->GetCurrentVerse()).empty());
  }

  void cancelledSearchIntoTheCurrentWindow() {
    CChildFrame* window = windows_->OpenTranslationWindow(TranslationId::BT);
    window->ShowPlace(3, 1, 1);
    window->showMaximized();
    cancelAtBook_ = 2;
    Find({U("Księga")}, {1033});
    QCOMPARE(windows_->Windows().size(), std::size_t{1});
    QVERIFY(!window->isMaximized());
    // "Przerwij" is noticed after the book in hand; what was found is dropped.
    QCOMPARE(steps_.size(), 3);
    QCOMPARE(window->GetFoundVerseList().GetCount(), 0);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{3, 1, 1}));
    QVERIFY(!bar_->List()->isEnabled());
    QCOMPARE(bar_->Message()->text(), U("Nie znaleziono wersetów."));
    QVERIFY(main_->isEnabled());

    // The same search to its end runs the bar over 73 steps (one book file missing).
    cancelAtBook_ = -1;
    Find({"", "", U("werset 17")}, {1033, 1031});
    QCOMPARE(steps_.size(), 72);
    // Verses 17 and 170 to 176 of the long chapter.
    QCOMPARE(window->GetFoundVerseList().GetCount(), 8);
    QVERIFY(window->GetCurrentPlace() == (VerseRef{0, 2, 16}));
    // Only word 3 was typed: the word list starts with the empty word 1.
    QCOMPARE(bar_->Message()->text(), U("Znaleziono 8 werset(ów). --słowa--> , werset 17"));
  }

  void barWalksAndFollowsTheActiveWindow() {
    Find({U("werset 2")}, {1029});
    CChildFrame* first = Active();
    Find({U("Księga 7 "), U("werset 1")}, {1030, 1027},
         [](CSearchDialog& d) { Control<QComboBox>(d, 1021)->setCurrentIndex(1); });
    CChildFrame* second = Active();
    QVERIFY(first != second);
    // Word starts "Księga 7" (books 7 and 70 to 72) and "werset 1": verse 1 of each chapter.
    QComboBox* list = bar_->List();
    QCOMPARE(list->count(), 8);
    QCOMPARE(list->itemText(1), Label(TranslationId::BT, 7, 1, 0));

    // The arrows are named after what they do.
    QCOMPARE(bar_->Arrows()->UpButton()->accessibleName(), U("Poprzedni znaleziony werset"));
    QCOMPARE(bar_->Arrows()->DownButton()->accessibleName(), U("Następny znaleziony werset"));
    // The up arrow at the first verse and the down arrow at the last do nothing.
    QTest::mouseClick(bar_->Arrows()->UpButton(), Qt::LeftButton);
    QCOMPARE(list->currentIndex(), 0);
    QTest::mouseClick(bar_->Arrows()->DownButton(), Qt::LeftButton);
    QCOMPARE(list->currentIndex(), 1);
    QVERIFY(second->GetCurrentPlace() == (VerseRef{7, 1, 0}));
    list->setCurrentIndex(7);
    emit list->activated(7);
    QVERIFY(second->GetCurrentPlace() == (VerseRef{72, 1, 0}));
    QTest::mouseClick(bar_->Arrows()->DownButton(), Qt::LeftButton);
    QCOMPARE(list->currentIndex(), 7);

    // Another window: its own list, selection and words.
    area_->setActiveSubWindow(first);
    QCOMPARE(bar_->Message()->text(), U("Znaleziono 131 werset(ów). --słowa--> werset 2"));
    // Choosing a label shows the verse and gives the focus back to the window.
    list->setFocus();
    list->setCurrentIndex(4);
    emit list->activated(4);
    QVERIFY(first->GetCurrentPlace() == (VerseRef{1, 1, 1}));
    QTRY_VERIFY(first->GetVerseList().hasFocus());
    QTest::mouseClick(bar_->Arrows()->UpButton(), Qt::LeftButton);
    QVERIFY(first->GetCurrentPlace() == (VerseRef{1, 0, 1}));
    area_->setActiveSubWindow(second);
    QCOMPARE(list->currentIndex(), 7);
    QCOMPARE(bar_->Message()->text(), U("Znaleziono 8 werset(ów). --słowa--> Księga 7, werset 1"));
    area_->setActiveSubWindow(first);
    QCOMPARE(list->currentIndex(), 3);

    // Ctrl+L's command puts the focus into the list while there are found verses.
    QCOMPARE(testing::StateOf(*bar_, ID_GOTO_FOUND_LIST), testing::CommandState::Enabled);
    QVERIFY(bar_->OnCommand(ID_GOTO_FOUND_LIST));
    QTRY_VERIFY(list->hasFocus());

    // A window without a search: disabled list, the empty message.
    windows_->OpenTranslationWindow(TranslationId::BG);
    QVERIFY(!list->isEnabled());
    QCOMPARE(list->count(), 0);
    QCOMPARE(bar_->Message()->text(), U("Nie znaleziono wersetów."));
    QCOMPARE(testing::StateOf(*bar_, ID_GOTO_FOUND_LIST), testing::CommandState::Unhandled);
    // No window at all: disabled and empty.
    area_->closeAllSubWindows();
    QVERIFY(!list->isEnabled());
    QVERIFY(!bar_->Arrows()->isEnabled());
    QVERIFY(bar_->Message()->text().isEmpty());
  }

  void emptyWordsFindNothingAndTheCommandIsNotReentered() {
    // A word of blanks only runs a search that finds nothing.
    Find({"", U("   ")});
    QVERIFY(Active() != nullptr);
    QCOMPARE(Active()->GetFoundVerseList().GetCount(), 0);
    QCOMPARE(bar_->Message()->text(), U("Nie znaleziono wersetów."));
    // While a search runs, the command is disabled.
    bool checked = false;
    search_->SetProgressObserver([&](CSearchProgressDlg&, int) {
      if (checked) return;
      QCOMPARE(testing::StateOf(*search_, ID_SEARCH), testing::CommandState::Disabled);
      checked = true;
    });
    Find({U("a")});
    QVERIFY(checked);
  }
};

QTEST_MAIN(SearchCommandTest)
#include "search_command_widget_test.moc"

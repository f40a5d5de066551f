// SPDX-License-Identifier: GPL-2.0-or-later
// The search dialog's controls and rules as a user meets them, and the
// progress window's percentages, cancel requests and owner handling.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "data/codepage.h"
#include "search/search_dialog.h"
#include "search/search_progress_dlg.h"
#include "testing/widget_fixtures.h"
#include "ui/qt_text.h"

using namespace skrybon;

using testing::Control;

namespace {

// Runs the dialog; while it is open, act(dialog) plays the user's part. A
// dialog that act leaves open (a failed check returns early) is cancelled.
bool RunWith(CSearchDialog& dialog, std::optional<TranslationId> active, std::function<void(CSearchDialog&)> act) {
  QTimer::singleShot(0, &dialog, [&dialog, act] {
    act(dialog);
    if (dialog.isVisible()) dialog.done(QDialog::Rejected);
  });
  return dialog.Run(active);
}

// Types text key by key, Polish letters included.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void Click(QWidget& dialog, int id) { QTest::mouseClick(Control<QAbstractButton>(dialog, id), Qt::LeftButton); }

}  // namespace

class SearchDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsAndTexts() {
    CSearchDialog dialog;
    bool ran = false;
    const bool ok = RunWith(dialog, std::nullopt, [&](CSearchDialog& d) {
      ran = true;
      QCOMPARE(d.windowTitle(), QString::fromUtf8("Szukanie wersetów"));
      for (int i = 0; i < 3; ++i) {
        QComboBox* combo = Control<QComboBox>(d, 1021 + i);
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(1), QStringLiteral("  I  "));
        QCOMPARE(combo->currentText(), QStringLiteral("LUB"));
        // Screen readers name it after the words it joins and read the operator chosen.
        QCOMPARE(testing::LabelOf(combo), QString::fromUtf8("Łącznik wyrazów %1 i %2").arg(i + 1).arg(i + 2));
        combo->setCurrentIndex(2);
        QCOMPARE(QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Description), QStringLiteral("NIE"));
        combo->setCurrentIndex(0);
      }
      QCOMPARE(d.focusWidget(), Control<QLineEdit>(d, 1017));
      // No reading window: "Bieżącym oknie" is disabled and "Nowym oknie" chosen.
      QVERIFY(!Control<QRadioButton>(d, 1033)->isEnabled());
      QVERIFY(Control<QRadioButton>(d, 1032)->isChecked());
      QVERIFY(Control<QRadioButton>(d, 1025)->isChecked());
      QCOMPARE(Control<QCheckBox>(d, 1030)->text(), QString::fromUtf8("Wyraz zaczynający się od..."));
      // Typing more than 200 characters keeps 200.
      Type(Control<QLineEdit>(d, 1017), QString(210, QChar(u'ż')));
      QCOMPARE(Control<QLineEdit>(d, 1017)->text().size(), 200);
      Control<QLineEdit>(d, 1017)->clear();
      // OK with four empty words closes without a search.
      Click(d, 1);
    });
    QVERIFY(ran);
    QVERIFY(!ok);
  }

  void rulesOfTheClicks() {
    CSearchDialog dialog;
    QVERIFY(RunWith(dialog, TranslationId::BT, [](CSearchDialog& d) {
      QVERIFY(Control<QRadioButton>(d, 1033)->isEnabled());
      Click(d, 1033);
      // Only the active window's translation may be chosen.
      QVERIFY(Control<QRadioButton>(d, 1027)->isChecked());
      QVERIFY(!Control<QRadioButton>(d, 1025)->isEnabled());
      QVERIFY(!Control<QRadioButton>(d, 1026)->isEnabled());
      Click(d, 1032);
      QVERIFY(Control<QRadioButton>(d, 1025)->isEnabled());
      Click(d, 1033);
      // The two method boxes exclude each other.
      Click(d, 1030);
      QVERIFY(!Control<QCheckBox>(d, 1029)->isEnabled());
      Click(d, 1030);
      QVERIFY(Control<QCheckBox>(d, 1029)->isEnabled());
      Click(d, 1029);
      QVERIFY(!Control<QCheckBox>(d, 1030)->isEnabled());
      Click(d, 1031);
      Type(Control<QLineEdit>(d, 1017), QString::fromUtf8("  Pan Bóg "));
      Control<QComboBox>(d, 1021)->setCurrentIndex(2);
      QTest::keyClicks(Control<QLineEdit>(d, 1018), QStringLiteral("faraon"));
      Click(d, 1);
    }));
    SearchRequest request = dialog.Request();
    QCOMPARE(ToQString(request.words[0]), QString::fromUtf8("Pan Bóg"));
    QCOMPARE(request.words[1], std::string("faraon"));
    QCOMPARE(request.operators[0], SearchOperator::AndNot);
    QCOMPARE(request.method, SearchMethod::WholeWord);
    QVERIFY(request.caseSensitive);
    QCOMPARE(request.target, TargetWindow::CurrentWindow);
    QCOMPARE(request.GetTranslationId(), TranslationId::BT);

    // Reopened the trimmed words and the settings are there; "Anuluj" keeps what was typed.
    QVERIFY(!RunWith(dialog, TranslationId::BW, [](CSearchDialog& d) {
      QCOMPARE(Control<QLineEdit>(d, 1017)->text(), QString::fromUtf8("Pan Bóg"));
      QVERIFY(Control<QCheckBox>(d, 1029)->isChecked());
      QVERIFY(!Control<QCheckBox>(d, 1030)->isEnabled());
      // "Bieżącym oknie" is still chosen, so the BW window's translation is taken.
      QVERIFY(Control<QRadioButton>(d, 1026)->isChecked());
      QVERIFY(!Control<QRadioButton>(d, 1027)->isEnabled());
      Control<QLineEdit>(d, 1020)->setText(QStringLiteral("   "));
      Click(d, 2);
    }));
    QCOMPARE(dialog.State().fields.words[3], std::string("   "));

    QVERIFY(!RunWith(dialog, std::nullopt, [](CSearchDialog& d) {
      QCOMPARE(Control<QLineEdit>(d, 1020)->text(), QStringLiteral("   "));
      QVERIFY(Control<QRadioButton>(d, 1032)->isChecked());
      Click(d, 1016);
      // The controls show the cleared fields.
      QVERIFY(Control<QLineEdit>(d, 1020)->text().isEmpty());
      QVERIFY(!Control<QCheckBox>(d, 1029)->isChecked() && Control<QCheckBox>(d, 1030)->isEnabled());
      QVERIFY(Control<QRadioButton>(d, 1025)->isChecked());
      QTest::keyClick(&d, Qt::Key_Escape);
    }));
    QCOMPARE(dialog.State().fields.words[3], std::string());
  }

  // A word with a character Windows-1250 lacks cannot occur in the text: OK is
  // refused with a message naming the character, and the typed text is kept
  // through click rules, "Anuluj" and reopening, never turned into '?'.
  void wordsOutsideTheCodePageAreRefusedAndKept() {
    CSearchDialog dialog;
    QStringList messages;
    const auto answerMessage = [&messages] {
      QTimer::singleShot(0, [&messages] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        messages << box->text();
        box->accept();
      });
    };
    QVERIFY(!RunWith(dialog, std::nullopt, [&](CSearchDialog& d) {
      QLineEdit* word2 = Control<QLineEdit>(d, 1018);
      Type(word2, QString::fromUtf8("Pan α"));
      answerMessage();
      Click(d, 1);
      QVERIFY(d.isVisible());
      QCOMPARE(messages.size(), 1);
      QVERIFY2(messages[0].startsWith(QString::fromUtf8("Wyraz 2 zawiera znak „α” (U+03B1)")), qPrintable(messages[0]));
      QCOMPARE(word2->text(), QString::fromUtf8("Pan α"));
      QCOMPARE(word2->selectedText(), QString::fromUtf8("α"));
      Click(d, 1029);  // a click rule copies the fields to the controls
      QCOMPARE(word2->text(), QString::fromUtf8("Pan α"));
      Click(d, 2);
    }));
    QVERIFY(RunWith(dialog, std::nullopt, [&](CSearchDialog& d) {
      QCOMPARE(Control<QLineEdit>(d, 1018)->text(), QString::fromUtf8("Pan α"));
      // Enter refuses as OK does; a four-byte character is named whole.
      Control<QLineEdit>(d, 1017)->setText(QString::fromUtf8("a\xF0\x9F\x98\x80"));
      answerMessage();
      QTest::keyClick(Control<QLineEdit>(d, 1017), Qt::Key_Return);
      QVERIFY(d.isVisible());
      QCOMPARE(messages.size(), 2);
      QVERIFY(messages[1].startsWith(QString::fromUtf8("Wyraz 1 zawiera znak „\xF0\x9F\x98\x80” (U+1F600)")));
      Control<QLineEdit>(d, 1017)->setText(QStringLiteral("Pan"));
      Control<QLineEdit>(d, 1018)->setText(QString::fromUtf8("Bóg"));
      Click(d, 1);
    }));
    QCOMPARE(messages.size(), 2);
    QCOMPARE(dialog.Request().words, (SearchWords{"Pan", Cp("Bóg"), "", ""}));
  }
};

class SearchProgressTest : public QObject {
  Q_OBJECT

 private slots:
  void percentagesOverTheBooks() {
    // The shown texts pin the percentages: 1, 50 and 100 over 66 books, then past the end.
    // Another range, title and status are pinned by the search and export commands' tests.
    CSearchProgressDlg progress;
    QVERIFY(progress.Open(nullptr));
    QCOMPARE(progress.windowTitle(), QString::fromUtf8("Trwa wyszukiwanie wersetów..."));
    QCOMPARE(progress.PercentText(), QStringLiteral(" 0 %"));
    QStringList shown;
    for (int i = 0; i < 67; ++i) {
      QCOMPARE(progress.Advance(), i == 66 ? 66 : i);
      shown << progress.PercentText();
    }
    QCOMPARE(shown[0], QStringLiteral("1%"));
    QCOMPARE(shown[32], QStringLiteral("50%"));
    QCOMPARE(shown[65], QStringLiteral("100%"));
    QCOMPARE(shown[66], QStringLiteral("1%"));
    // The bar starts over past the end.
    QCOMPARE(progress.Advance(), 1);
  }

  void percentTextIsWrittenOnlyWhenItChanges() {
    CSearchProgressDlg progress;
    progress.Open(nullptr);
    progress.SetRange(0, 1000);
    for (int i = 0; i < 1000; ++i) progress.Advance();
    QCOMPARE(progress.PercentText(), QStringLiteral("100%"));
    // " 0 %" becomes "0%" once, then each of 1% to 100% is written once.
    QCOMPARE(progress.PercentWrites(), 101);
  }

  void cancelRequestsAreTakenOnce() {
    CSearchProgressDlg progress;
    progress.Open(nullptr);
    auto* stop = progress.findChild<QPushButton*>(QStringLiteral("control2"));
    QCOMPARE(stop->text(), QStringLiteral("Przerwij"));
    QVERIFY(!progress.TakeCancelRequest());
    QTest::mouseClick(stop, Qt::LeftButton);
    QTest::mouseClick(stop, Qt::LeftButton);
    QVERIFY(progress.TakeCancelRequest());
    QVERIFY(!progress.TakeCancelRequest());
    // Esc and the close box ask too, and leave the window open.
    QTest::keyClick(&progress, Qt::Key_Escape);
    progress.close();
    QVERIFY(progress.isVisible());
    QVERIFY(progress.TakeCancelRequest());
    // Enter presses the default button "Przerwij"; the window stays open.
    QTest::keyClick(&progress, Qt::Key_Return);
    QVERIFY(progress.isVisible());
    QVERIFY(progress.TakeCancelRequest());
  }

  void ownerIsEnabledAgainOnlyIfOpenDisabledIt() {
    // Open and DestroyWindow around a search are pinned by the search command's test.
    QMainWindow owner;
    owner.show();
    {
      // Destroying the object closes the window and enables the owner too.
      CSearchProgressDlg progress;
      QVERIFY(progress.Open(&owner));
      QVERIFY(!owner.isEnabled());
      // The window is no child of the owner, so it stays usable.
      QVERIFY(progress.isEnabled());
    }
    QVERIFY(owner.isEnabled());
    owner.setEnabled(false);
    {
      CSearchProgressDlg progress;
      progress.Open(&owner);
      progress.DestroyWindow();
    }
    QVERIFY(!owner.isEnabled());
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SearchDialogTest dialog;
  SearchProgressTest progress;
  return QTest::qExec(&dialog, argc, argv) | QTest::qExec(&progress, argc, argv);
}

#include "search_dialog_widget_test.moc"

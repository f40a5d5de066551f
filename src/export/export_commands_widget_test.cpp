// SPDX-License-Identifier: GPL-2.0-or-later
// The clipboard and save commands in the real main frame over a fixture data
// folder, the save dialog replaced by a chooser that answers a file of a
// temporary folder.
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/frame_fixture_test.h"
#include "data/codepage.h"
#include "reading/citation.h"
#include "export/export_commands.h"
#include "reading/verse_list_box.h"
#include "search/search_progress_dlg.h"
#include "testing/file_size_limit.h"
#include "testing/fixture_data.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

using namespace skrybon;
using Encoding = TextFileEncoding;

class ExportCommandsTest : public testing::CFrameTest<testing::CReadingTestData> {
  Q_OBJECT

  std::unique_ptr<testing::CTempFolder> out_;
  CExportCommands* commands_ = nullptr;
  QStringList messages_;
  QStringList offeredNames_;
  std::optional<CChosenFile> answer_;

  // A new window of the translation with these verses selected.
  CChildFrame* Open(int command, std::initializer_list<int> rows) {
    frame_->ExecuteCommand(command);
    CVerseListBox& list = Active()->GetVerseList();
    list.clearSelection();
    for (int row : rows) list.selectionModel()->select(list.model()->index(row, 0), QItemSelectionModel::Select);
    return Active();
  }
  // Runs a save command that the dialog answers with `name`; the file's bytes.
  std::string Save(int command, const std::string& name, Encoding encoding = Encoding::Cp1250CrLf) {
    answer_ = CChosenFile{QString::fromStdString((out_->Path() / name).string()), encoding};
    frame_->ExecuteCommand(command);
    std::ifstream in(out_->Path() / SavedFileName(name), std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
  }
  static QString Clipboard() { return QGuiApplication::clipboard()->text(); }

 private slots:
  void init() {
    out_ = std::make_unique<testing::CTempFolder>("skrybon-saved");
    QVERIFY(StartFrame());
    commands_ = frame_->findChild<CExportCommands*>();
    messages_.clear();
    offeredNames_.clear();
    commands_->SetMessageSink([this](const QString& text) { messages_ << text; });
    commands_->SetFileChooser([this](QWidget*, const QString& name) {
      offeredNames_ << name;
      return std::exchange(answer_, std::nullopt);
    });
  }

  void cleanup() {
    StopFrame();
    out_.reset();
  }

  void copyAndAppendGatherAcrossWindowsAndTranslations() {
    QVERIFY(!Enabled(ID_EDIT_COPY) && !Enabled(ID_CLIPBOARD_CLEAR));
    QAction* mode = frame_->CommandAction(ID_CLIPBOARD_MODE);
    auto* modeButton = qobject_cast<QAbstractButton*>(frame_->ToolBar()->widgetForAction(mode));
    QCOMPARE(mode->text(), QString("&Tryb dołączania"));

    // Copy mode, by the accelerator: each copy replaces the one before.
    CChildFrame* bg = Open(ID_FILE_NEW_BG, {0, 1, 2});
    QTest::keyClick(&bg->GetVerseList(), Qt::Key_C, Qt::ControlModifier);
    const std::string first = FormatSelectionText(bg->GetSelection().Input());
    QCOMPARE(Clipboard(), ToQString(first));
    // What was copied is said in the status bar (and to screen readers).
    auto* prompt = frame_->findChild<QLabel*>("promptPane");
    QCOMPARE(prompt->text(), QString("Skopiowano 1 Moj. 1:1-3 (BG)"));
    QVERIFY(Clipboard().contains("\r\n"));
    CChildFrame* bw = Open(ID_FILE_NEW_BW, {3});
    QVERIFY(frame_->ExecuteCommand(ID_EDIT_COPY));
    const std::string second = FormatSelectionText(bw->GetSelection().Input());
    QCOMPARE(Clipboard(), ToQString(second));

    // Append mode: another program's text is not part of what is gathered.
    QGuiApplication::clipboard()->setText("obcy tekst");
    QVERIFY(frame_->ExecuteCommand(ID_CLIPBOARD_MODE));
    QCOMPARE(mode->text(), QString("&Tryb kopiowania"));
    QVERIFY(mode->isChecked() && modeButton->isChecked());
    CChildFrame* bt = Open(ID_FILE_NEW_BT, {1});
    QVERIFY(frame_->ExecuteCommand(ID_EDIT_COPY));
    const std::string third = FormatSelectionText(bt->GetSelection().Input());
    QCOMPARE(Clipboard(), ToQString(second + third));
    QCOMPARE(prompt->text(), QString("Dołączono Rdz 1:2 (BT)"));
    QCOMPARE(Save(ID_SAVE_CLIPBOARD, "schowek"), second + third);

    // Back in copy mode the gathered text stays until the next copy.
    QVERIFY(frame_->ExecuteCommand(ID_CLIPBOARD_MODE));
    QVERIFY(!mode->isChecked() && !modeButton->isChecked());
    QCOMPARE(commands_->Kept().Text(), second + third);
    QVERIFY(frame_->ExecuteCommand(ID_CLIPBOARD_CLEAR));
    QVERIFY(commands_->Kept().Text().empty() && Clipboard().isEmpty());
    QVERIFY(!Enabled(ID_SAVE_CLIPBOARD));
    QVERIFY(messages_.isEmpty());
  }

  void savedSelectionIsTheCopyWithTheNameRuleAndEncoding() {
    CChildFrame* bg = Open(ID_FILE_NEW_BG, {0, 1, 2, 4});
    QVERIFY(frame_->ExecuteCommand(ID_EDIT_COPY));
    const std::string copied = commands_->Kept().Text();
    QCOMPARE(Save(ID_SAVE_SELECTED_VERSES, "wynik"), copied);
    QCOMPARE(Save(ID_SAVE_SELECTED_VERSES, "wynik.doc"), copied);
    QCOMPARE(Save(ID_SAVE_SELECTED_VERSES, "utf", Encoding::Utf8Lf),
             ToQString(copied).replace("\r\n", "\n").toStdString());
    QVERIFY(!std::filesystem::exists(out_->Path() / "wynik"));
    QCOMPARE(offeredNames_, QStringList(3, QString()));
    frame_->ExecuteCommand(ID_SAVE_SELECTED_VERSES);  // cancelled: nothing written
    QCOMPARE(std::distance(std::filesystem::directory_iterator(out_->Path()), {}), 3);

    // A folder that cannot be written, and a full disk over an earlier file:
    // reported with the file's name and the reason; the earlier file stays.
    QCOMPARE(Save(ID_SAVE_SELECTED_VERSES, "brak/wynik"), "<none>");
    const QString cannot("Nie mogę utworzyć pliku: '/wynik.txt'!\n");
    QVERIFY(messages_.back().startsWith(cannot) && messages_.back().size() > cannot.size());  // and why
    {
      const testing::CFileSizeLimit full(8);
      QCOMPARE(Save(ID_SAVE_SELECTED_VERSES, "wynik"), copied);
    }
    QCOMPARE(messages_.size(), 2);
    QVERIFY(messages_.back().startsWith(cannot));
    QVERIFY(bg->isVisible());
  }

  void foundVersesFileWithAMissingBookAndACancel() {
    CChildFrame* bg = Open(ID_FILE_NEW_BG, {0});
    QVERIFY(!Enabled(ID_SAVE_FOUND_VERSES));
    CFoundVerseList& found = bg->GetFoundVerseList();
    found.Add(1, 0, "Label 1");
    found.Add(5, 0, "Label 5");  // the fixture has no file for book 5
    found.Add(7, 6, "Label 7");
    found.SetWords({"wiara", "", "nadzieja", ""});
    const std::string header = Cp(
        "Lista znalezionych wersetów dla szukanych wyrazów:\r\n  1. \"wiara\"\r\n  2. \"\"\r\n  3. \"nadzieja\"\r\n"
        "  4. \"\"\r\n\r\n----------------------------\r\n");
    const std::string footer = Cp("\r\n----------------------------\r\n   3 werset(ów).\r\n");
    const std::string verse1 = "Label 1\r\n\"" + testing::FixtureVerse(1, 0, 0) + "\"\r\n\r\n";
    const std::string verse7 = "Label 7\r\n\"" + testing::FixtureVerse(7, 1, 1) + "\"\r\n\r\n";
    QStringList steps;
    int cancelAt = -1;
    commands_->SetProgressObserver([&](CSearchProgressDlg& progress, int book) {
      QVERIFY(!frame_->isEnabled() && !Enabled(ID_SAVE_FOUND_VERSES));
      steps << progress.windowTitle() + "|" + progress.StatusText();
      if (book == cancelAt) QTest::mouseClick(progress.findChild<QPushButton*>("control2"), Qt::LeftButton);
    });

    QCOMPARE(Save(ID_SAVE_FOUND_VERSES, "wiara_nadzieja_BG"), header + verse1 + verse7 + footer);
    QCOMPARE(offeredNames_, QStringList{"wiara_nadzieja_BG"});
    QCOMPARE(steps.size(), 65);  // every book but the missing one
    QCOMPARE(steps.back(), "Zapis wersetów do pliku...|" + ToQString(BookFullName(TranslationId::BG, 65)));
    QCOMPARE(messages_.size(), 1);
    QVERIFY(messages_.front().startsWith("Nie mogę odnaleźć pliku: '/ksiegi/5.bg'!\n"));

    // "Przerwij" ends the export after the book in hand; the file still ends properly.
    steps.clear();
    cancelAt = 4;
    QCOMPARE(Save(ID_SAVE_FOUND_VERSES, "przerwane.txt", Encoding::Utf8Lf),
             "Lista znalezionych wersetów dla szukanych wyrazów:\n  1. \"wiara\"\n  2. \"\"\n  3. \"nadzieja\"\n"
             "  4. \"\"\n\n----------------------------\nLabel 1\n\"Księga 1 rozdział 1 werset 1\"\n\n\n"
             "----------------------------\n   3 werset(ów).\n");
    QCOMPARE(steps.size(), 5);
    QVERIFY(frame_->isEnabled());
  }
};

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_widget_test.moc"

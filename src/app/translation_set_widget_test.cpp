// SPDX-License-Identifier: GPL-2.0-or-later
// The main frame over any set of installed translations: what a missing or damaged one
// disables, the welcome panel, and translations read again while the program runs.
#include <QAction>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>

#include "app/main_frame.h"
#include "app/welcome_panel.h"
#include "reading/child_frame.h"
#include "reading/reading_windows.h"
#include "reading/verse_list_box.h"
#include "ui/import_dialog.h"
#include "ui/resource_commands.h"
#include "testing/fixture_data.h"
#include "ui/command_ids.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

using testing::WriteFixtureFile;

enum class Kind { Present, Missing, Damaged };

// Every book of the translation: `chapters` chapters of 3 verses, each
// verse "<word> <book>:<chapter>:<verse>".
void WriteTranslation(const std::filesystem::path& folder, TranslationId id, const std::string& word,
                      int chapters = 2) {
  const VerseIndex index = testing::WriteBooks(
      folder, id, [chapters](int) { return std::vector<int>(static_cast<std::size_t>(chapters), 3); },
      [&word](int b, int c, int v) {
        return word + " " + std::to_string(b) + ":" + std::to_string(c + 1) + ":" + std::to_string(v + 1);
      });
  WriteFixtureFile(folder / IndexFileName(id), WriteVerseIndex(index));
  const std::string aliases = "x,\r\n";
  WriteFixtureFile(folder / AliasFileName(id), std::vector<std::uint8_t>(aliases.begin(), aliases.end()));
}

// A frame over a folder holding the translations as given, with every
// message it would show collected.
struct Program {
  testing::CTempFolder folder{"skrybon-set"};
  std::unique_ptr<CScriptureData> data;
  std::unique_ptr<CProfile> profile;
  std::unique_ptr<CMainFrame> frame;
  QStringList messages;

  explicit Program(std::array<Kind, 3> kinds) {
    for (const TranslationId id : kAllTranslations) {
      const Kind kind = kinds[static_cast<std::size_t>(id) - 1];
      if (kind == Kind::Present) WriteTranslation(folder.Path(), id, "stary");
      if (kind == Kind::Damaged) WriteFixtureFile(folder.Path() / IndexFileName(id), std::vector<std::uint8_t>{7, 0});
    }
    data = std::make_unique<CScriptureData>(folder.String());
    data->LoadAll([this](const std::string& m) { messages << ToQString(m); });
    profile = std::make_unique<CProfile>(folder.String() + "/skrybon.ini");
    frame = std::make_unique<CMainFrame>(*data, *profile);
    frame->SetMessageSink([this](const QString& m) { messages << m; });
    Windows().SetMessageSink([this](const QString& m) { messages << m; });
    frame->resize(900, 600);
    frame->show();
    frame->RefreshCommandStates();
  }
  CReadingWindows& Windows() const { return *frame->findChild<CReadingWindows*>(); }
  bool Enabled(int id) const { return frame->CommandAction(id)->isEnabled(); }
};

std::vector<std::string> Texts(CChildFrame& window) { return window.GetVerseList().GetVerseTexts(); }

class TranslationSetTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithAnySubset() {
    const Kind P = Kind::Present, M = Kind::Missing, D = Kind::Damaged;
    const std::array<Kind, 3> rows[] = {{P, P, P}, {M, M, M}, {P, M, M}, {M, P, P},
                                        {P, D, M}, {D, D, D}, {P, P, D}, {M, D, P}};
    for (const auto& kinds : rows) {
      Program program(kinds);
      const QString row = QStringLiteral("row %1%2%3").arg(int(kinds[0])).arg(int(kinds[1])).arg(int(kinds[2]));
      const bool any = std::count(kinds.begin(), kinds.end(), Kind::Present) > 0;
      for (const TranslationId id : kAllTranslations) {
        const std::size_t t = static_cast<std::size_t>(id) - 1;
        const bool present = kinds[t] == Kind::Present;
        // A damaged index: the message names the file and its folder; the program goes on.
        if (kinds[t] == Kind::Damaged)
          QVERIFY2(program.messages.filter(QString::fromStdString(IndexFileName(id))).size() == 1, qPrintable(row));
        for (const int command : {ID_FILE_NEW_BG, ID_EDIT_ALIASES_BG}) {
          const int own = command + static_cast<int>(t);
          QVERIFY2(program.Enabled(own) == present, qPrintable(row + " " + QString::number(own)));
          const QAction* action = program.frame->CommandAction(own);
          QVERIFY2(action->statusTip().contains(QStringLiteral("nie jest zainstalowany")) != present, qPrintable(row));
          QVERIFY2(action->toolTip().contains(QStringLiteral("Dodaj przekład")) != present, qPrintable(row));
          QVERIFY2(action->text().contains(QStringLiteral(" (nie zainstalowano)")) != present,
                   qPrintable(row + action->text()));
        }
      }
      QVERIFY2(program.messages.size() == std::count(kinds.begin(), kinds.end(), Kind::Damaged),
               qPrintable(row + program.messages.join('|')));
      for (const QString& m : program.messages) QVERIFY2(m.contains(program.folder.String().c_str()), qPrintable(m));
      QVERIFY2(program.Enabled(ID_SEARCH) == any, qPrintable(row));
      QVERIFY2(program.frame->WelcomePanel()->isVisible() == !any, qPrintable(row));
      // Comparing with a translation that is not installed is disabled too.
      if (kinds[0] == Kind::Present) {
        program.frame->ExecuteCommand(ID_FILE_NEW_BG);
        program.frame->RefreshCommandStates();
        for (std::size_t t = 0; t < kinds.size(); ++t)
          QVERIFY2(program.Enabled(ID_COMPARE_BG + static_cast<int>(t)) == (kinds[t] == Kind::Present), qPrintable(row));
      }
    }
  }

  void welcomePanelUntilATranslationComes() {
    Program program({Kind::Missing, Kind::Missing, Kind::Missing});
    auto* panel = qobject_cast<CWelcomePanel*>(program.frame->WelcomePanel());
    QVERIFY(panel != nullptr && panel->isVisible());
    QPushButton* add = panel->AddButton();
    QCOMPARE(add->text(), QStringLiteral("Dodaj przekład z pliku..."));
    QCOMPARE(panel->DownloadButton()->text(), QStringLiteral("Pobierz przekład..."));
    QVERIFY(add->focusPolicy() & Qt::TabFocus);
    for (const QString& said : {panel->Text(), panel->DownloadButton()->accessibleDescription()}) {
      QVERIFY(said.contains(QStringLiteral("Nie zainstalowano jeszcze żadnego przekładu")));
      QVERIFY(said.contains(QString::fromStdString(program.folder.String())));
    }
    // The button runs the import command.
    int runs = 0;
    program.frame->findChild<CResourceCommands*>()->SetImportObserver([&runs](CImportDialog& dialog) {
      ++runs;
      QTimer::singleShot(0, &dialog, &QDialog::reject);
    });
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(runs, 1);
    // An import later: the translation is read at once and the panel goes.
    WriteTranslation(program.folder.Path(), TranslationId::BT, "nowy");
    program.frame->ReloadChangedTranslations();
    QVERIFY(program.Enabled(ID_FILE_NEW_BT));
    QCOMPARE(program.frame->CommandAction(ID_FILE_NEW_BT)->text(), QStringLiteral("Biblia &Tysiąclecia\tCtrl+T"));
    QVERIFY(!program.Enabled(ID_FILE_NEW_BG));
    QVERIFY(!panel->isVisible());
    QVERIFY(program.messages.isEmpty());
  }

  void windowsFollowAReplacedTranslation() {
    Program program({Kind::Present, Kind::Present, Kind::Missing});
    CChildFrame* window = program.Windows().OpenWindowAt(TranslationId::BG, {4, 1, 2});
    CChildFrame* other = program.Windows().OpenWindowAt(TranslationId::BW, {4, 1, 2});
    window->GetFoundVerseList().Add(4, 4, "x");

    // Replaced while shown: the same place in the new text, the found list
    // emptied with a note; the other translation's window is left alone.
    WriteTranslation(program.folder.Path(), TranslationId::BG, "nowy");
    program.frame->ReloadChangedTranslations();
    QCOMPARE(Texts(*window)[2], std::string("nowy 4:2:3"));
    QCOMPARE(window->GetCurrentPlace(), (VerseRef{4, 1, 2}));
    QCOMPARE(window->GetFoundVerseList().GetCount(), 0);
    QCOMPARE(program.messages.size(), 1);
    QVERIFY(program.messages[0].contains(QStringLiteral("Listę znalezionych wersetów wyczyszczono")));
    QCOMPARE(Texts(*other)[2], std::string("stary 4:2:3"));

    // Replaced with nobody told: the next chapter read notices it first and
    // never reads the new book file through the old index.
    WriteTranslation(program.folder.Path(), TranslationId::BG, "trzeci");
    window->ShowPlace(4, 0, 0);
    QCOMPARE(Texts(*window)[0], std::string("trzeci 4:1:1"));

    // Replaced by a text without the place shown: the window closes, saying why.
    window->ShowPlace(4, 1, 0);
    QPointer<CChildFrame> closing = window;
    program.messages.clear();
    WriteTranslation(program.folder.Path(), TranslationId::BG, "krótki", 1);
    program.frame->ReloadChangedTranslations();
    QTRY_VERIFY(closing == nullptr);
    QVERIFY2(program.messages.join('|').contains(QStringLiteral("Zamknięto okna")), qPrintable(program.messages.join('|')));
    QVERIFY(program.Enabled(ID_FILE_NEW_BG));
  }
};

}  // namespace
}  // namespace skrybon

QTEST_MAIN(skrybon::TranslationSetTest)
#include "translation_set_widget_test.moc"

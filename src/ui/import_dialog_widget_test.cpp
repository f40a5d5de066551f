// SPDX-License-Identifier: GPL-2.0-or-later
// "Dodaj przekład" with the real data tool: the slot labels, and an import of
// a small TSV file into a temporary user data folder that succeeds, is
// cancelled, or meets a full disk; only success changes the folder.
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "data/scripture_data.h"
#include "data/translation_writer.h"
#include "testing/dialog_driving.h"
#include "testing/file_size_limit.h"
#include "testing/temp_folder.h"
#include "ui/import_dialog.h"

using namespace skrybon;
using namespace skrybon::testing;
namespace fs = std::filesystem;

namespace {

enum class Ending { Written, Cancelled, DiskFull };

}  // namespace

Q_DECLARE_METATYPE(Ending)

class ImportDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void slotsSayWhatIsInstalledAndTheFirstEmptyOneIsChosen() {
    CScriptureData data;
    data.Get(TranslationId::BG).SetIndex({{{0, 1, 2}}});
    CImportDialog dialog(data, nullptr, QString());
    const auto* bg = dialog.findChild<QRadioButton*>(QStringLiteral("slotBG"));
    const auto* bw = dialog.findChild<QRadioButton*>(QStringLiteral("slotBW"));
    QCOMPARE(bg->text(), QStringLiteral("Biblia Gdańska (BG) – zainstalowana: księgi 1, rozdziały 1, wersety 3"));
    QCOMPARE(bw->text(), QStringLiteral("Biblia Warszawska (BW) – nie zainstalowana"));
    QVERIFY(bw->isChecked());
    // Without the tool nothing can be imported, and the dialog says why.
    QCOMPARE(Text(dialog, "modulesNote"), QStringLiteral("Nie mogę odnaleźć programu skrybon-tool."));
  }

  void onlyAFinishedImportChangesTheFolder_data() {
    QTest::addColumn<Ending>("ending");
    QTest::newRow("written") << Ending::Written;
    QTest::newRow("cancelled") << Ending::Cancelled;
    QTest::newRow("disk full") << Ending::DiskFull;
  }

  void onlyAFinishedImportChangesTheFolder() {
    QFETCH(Ending, ending);
    const testing::CTempFolder temp("skrybon-import");
    const fs::path xdg = temp.Path() / "xdg";
    const fs::path target = xdg / "skrybon";
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(xdg.string()));
    // An earlier Biblia Gdańska of one verse a book.
    CTranslationBuilder earlier(TranslationId::BG);
    for (int book = 0; book < BookCount(TranslationId::BG); ++book) earlier.AddVerse(book, 1, 1, "stary");
    QVERIFY(!WriteTranslation(target.string(), earlier.Build()));
    const auto before = Snapshot(target);
    // The new text: two verses of the first book, one spelled in Latin, one
    // longer than the full disk takes.
    const fs::path tsv = temp.Path() / "gdanska.tsv";
    std::ofstream(tsv) << "0\t1\t1\tNa początku Cæsar\n0\t1\t2\t" << std::string(3000, 'x') << "\n";

    CScriptureData data(target.string());
    CImportDialog dialog(data);
    int chooserCalls = 0;
    dialog.SetFileChooser([&](QWidget*) {
      ++chooserCalls;
      return QString::fromStdString(tsv.string());
    });
    dialog.show();
    Click(dialog, "slotBG");
    Click(dialog, "chooseFile");
    QCOMPARE(chooserCalls, 1);
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("format"))->currentIndex(), 0);  // TSV
    Click(dialog, "nextButton");
    QTRY_COMPARE_WITH_TIMEOUT(PageOf(dialog), QStringLiteral("summaryText"), kToolTimeoutMs);
    const QString summary = Text(dialog, "summaryText");
    for (const QString& part : {QStringLiteral("Wersety: 2"), QStringLiteral("Księgi: 1 z 66"),
                                QStringLiteral("po łacinie (Windows-1250 ich nie ma): 1"),
                                QString::fromStdString(target.string())}) {
      QVERIFY2(summary.contains(part), qPrintable(summary));
    }

    {
      std::optional<testing::CFileSizeLimit> fullDisk;
      if (ending == Ending::DiskFull) fullDisk.emplace(1000);  // the long verse's book file does not fit
      Click(dialog, "writeButton");
      if (ending == Ending::Cancelled) dialog.Progress()->findChild<QPushButton*>()->click();
      QTRY_COMPARE_WITH_TIMEOUT(PageOf(dialog), QStringLiteral("reportText"), kToolTimeoutMs);
    }
    const QString report = Text(dialog, "reportText");
    QVERIFY(dialog.Progress() == nullptr);
    QCOMPARE(dialog.Imported(), ending == Ending::Written);
    if (ending == Ending::Written) {
      QVERIFY2(report.startsWith(QStringLiteral("Tekst przekładu Biblia Gdańska (BG) zapisano w folderze")), qPrintable(report));
      CTranslationIndex index(TranslationId::BG);
      QVERIFY(!index.LoadIndex(target.string()));
      QCOMPARE(index.GetVerseCount(0, 0), 2);
      QVERIFY(Snapshot(target) != before);
    } else {
      const QString expected = ending == Ending::Cancelled ? QStringLiteral("Przerwano.") : QStringLiteral("File too large");
      QVERIFY2(report.contains(expected) && report.contains(QStringLiteral("nic się nie zmieniło")), qPrintable(report));
      QVERIFY(Snapshot(target) == before);
    }
    qunsetenv("XDG_DATA_HOME");
  }
};

QTEST_MAIN(ImportDialogTest)
#include "import_dialog_widget_test.moc"

// SPDX-License-Identifier: GPL-2.0-or-later
// "Pobierz przekład" with the real data tool against a SWORD repository that
// download_dialog_widget_test.sh serves on 127.0.0.1: consent asked once and
// remembered, the list filtered by language, a download imported into the
// chosen slot with the program told to reload, and a server gone before the
// download, which says why and leaves ~/.sword as it was.
#include <QComboBox>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <map>

#include "data/scripture_data.h"
#include "testing/dialog_driving.h"
#include "ui/download_dialog.h"
#include "ui/import_dialog.h"
#include "ui/profile.h"
#include "ui/resource_commands.h"

using namespace skrybon;
using namespace skrybon::testing;
namespace fs = std::filesystem;

namespace {

QStringList ShownModules(CDownloadDialog& dialog) {
  QStringList names;
  const auto* modules = dialog.findChild<QTreeWidget*>(QStringLiteral("remoteModules"));
  for (int i = 0; i < modules->topLevelItemCount(); ++i) {
    if (!modules->topLevelItem(i)->isHidden()) names << modules->topLevelItem(i)->text(0);
  }
  return names;
}

void SelectModule(CDownloadDialog& dialog, const QString& name) {
  auto* modules = dialog.findChild<QTreeWidget*>(QStringLiteral("remoteModules"));
  modules->setCurrentItem(modules->findItems(name, Qt::MatchExactly).value(0));
}

fs::path SwordFolder() { return fs::path(qEnvironmentVariable("HOME").toStdString()) / ".sword"; }

// Every file of ~/.sword but the installer's own records, with its bytes.
std::map<std::string, std::vector<std::uint8_t>> InstalledModules() { return Snapshot(SwordFolder(), "InstallMgr"); }

// Runs a step of a modal dialog once it is open; a failed step closes it.
template <typename Dialog>
std::function<void(Dialog&)> Drive(std::function<void(Dialog&)> steps) {
  return [steps](Dialog& dialog) {
    QTimer::singleShot(0, &dialog, [&dialog, steps] {
      steps(dialog);
      if (QTest::currentTestFailed()) dialog.reject();
    });
  };
}

}  // namespace

class DownloadDialogTest : public QObject {
  Q_OBJECT

 private:
  const fs::path target_ = fs::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "skrybon";

 private slots:
  void aDownloadIsImportedIntoTheChosenSlot() {
    CScriptureData data(target_.string());
    CProfile profile(CProfile::DefaultPath("skrybon"));
    int reloads = 0;
    CResourceCommands commands(data, profile, nullptr, nullptr, [&reloads] { ++reloads; });
    commands.SetDownloadObserver(Drive<CDownloadDialog>([](CDownloadDialog& dialog) {
      QCOMPARE(PageOf(dialog), QStringLiteral("consentText"));
      Click(dialog, "allowButton");
      QTRY_COMPARE_WITH_TIMEOUT(ShownModules(dialog), QStringList({QStringLiteral("PolTest")}), kToolTimeoutMs);
      auto* languages = dialog.findChild<QComboBox*>(QStringLiteral("languages"));
      languages->setCurrentIndex(languages->findText(QStringLiteral("Wszystkie języki")));
      QCOMPARE(ShownModules(dialog), QStringList({QStringLiteral("PolTest"), QStringLiteral("PolZamek")}));
      languages->setCurrentIndex(languages->findText(QStringLiteral("en")));
      QCOMPARE(ShownModules(dialog), QStringList({QStringLiteral("PolZamek")}));
      SelectModule(dialog, QStringLiteral("PolZamek"));
      languages->setCurrentIndex(0);  // polski: a choice hidden by the filter is never the one downloaded
      QCOMPARE(dialog.findChild<QTreeWidget*>(QStringLiteral("remoteModules"))->selectedItems().value(0)->text(0),
               QStringLiteral("PolTest"));
      Click(dialog, "downloadButton");  // the dialog ends once it is installed
    }));
    QString report;
    commands.SetImportObserver(Drive<CImportDialog>([&report](CImportDialog& dialog) {
      const auto* module = dialog.findChild<QTreeWidget*>(QStringLiteral("swordModules"));
      QTRY_COMPARE_WITH_TIMEOUT(module->currentItem() ? module->currentItem()->text(0) : QString(),
                                QStringLiteral("PolTest"), kToolTimeoutMs);
      QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("swordSource"))->isChecked());
      Click(dialog, "slotBT");
      Click(dialog, "nextButton");
      QTRY_COMPARE_WITH_TIMEOUT(PageOf(dialog), QStringLiteral("summaryText"), kToolTimeoutMs);
      Click(dialog, "writeButton");
      QTRY_COMPARE_WITH_TIMEOUT(PageOf(dialog), QStringLiteral("reportText"), kToolTimeoutMs);
      report = Text(dialog, "reportText");
      Click(dialog, "closeButton");
    }));
    commands.DownloadTranslation();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY2(report.contains(QStringLiteral("Biblia Tysiąclecia (BT) zapisano")) && report.contains(QStringLiteral("Wersety: 1")),
             qPrintable(report));
    QCOMPARE(reloads, 1);
    QVERIFY(fs::exists(SwordFolder() / "mods.d" / "poltest.conf"));
    QCOMPARE(CProfile(profile.Path()).GetProfileInt("SWORD", "Remote Access", 0), 1);
  }

  void aServerGoneBeforeTheDownloadSaysWhyAndInstallsNothing() {
    CScriptureData data(target_.string());
    CProfile profile(CProfile::DefaultPath("skrybon"));
    CResourceCommands commands(data, profile, nullptr);
    const auto before = InstalledModules();
    QString report;
    commands.SetDownloadObserver(Drive<CDownloadDialog>([&report](CDownloadDialog& dialog) {
      QCOMPARE(PageOf(dialog), QStringLiteral("listPage"));  // consent remembered
      QTRY_COMPARE_WITH_TIMEOUT(ShownModules(dialog), QStringList({QStringLiteral("PolTest")}), kToolTimeoutMs);
      QVERIFY(::kill(qEnvironmentVariableIntValue("SKRYBON_TEST_SERVER_PID"), SIGTERM) == 0);
      QTest::qWait(200);
      SelectModule(dialog, QStringLiteral("PolTest"));
      Click(dialog, "downloadButton");
      QTRY_COMPARE_WITH_TIMEOUT(PageOf(dialog), QStringLiteral("reportText"), kToolTimeoutMs);
      QVERIFY(dialog.Progress() == nullptr);
      report = Text(dialog, "reportText");
      Click(dialog, "closeButton");
    }));
    bool importShown = false;
    commands.SetImportObserver(Drive<CImportDialog>([&importShown](CImportDialog& dialog) {
      importShown = true;
      dialog.reject();
    }));
    commands.DownloadTranslation();
    QVERIFY(!QTest::currentTestFailed());
    QVERIFY2(report.startsWith(QStringLiteral("Nie udało się pobrać modułu PolTest.")) &&
                 report.contains(QStringLiteral("nic nie zainstalowano")) && report.contains(QStringLiteral("Failed to connect")),
             qPrintable(report));
    QVERIFY(!importShown);
    QVERIFY(InstalledModules() == before);
  }
};

QTEST_MAIN(DownloadDialogTest)
#include "download_dialog_widget_test.moc"

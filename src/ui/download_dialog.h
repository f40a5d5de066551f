// SPDX-License-Identifier: GPL-2.0-or-later
// "Pobierz przekład": fetches a Bible module from a remote SWORD repository
// without a terminal. On first use the user is asked to allow network access
// (remembered in the profile, [SWORD] "Remote Access"=1); then the dialog
// lists the sources (`skrybon-tool sources`) and the Bible texts of the
// chosen one (`skrybon-tool remote --all-languages`), filtered by language,
// Polish first; "Pobierz" runs `skrybon-tool download`, which installs the
// module into ~/.sword, behind a progress window of bytes whose "Anuluj"
// stops it. libsword stays in the child process, so a fault there cannot take
// the window down. The dialog ends accepted once a module was installed; the
// import into a slot is then the job of "Dodaj przekład".
#pragma once

#include <QDialog>
#include <QPointer>
#include <QProgressDialog>
#include <QString>
#include <QStringList>

#include "ui/import_dialog.h"
#include "ui/tool_run.h"

class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;

namespace skrybon {

class CProfile;

class CDownloadDialog : public QDialog {
  Q_OBJECT

 public:
  // profile: where the consent to network access is remembered.
  explicit CDownloadDialog(CProfile& profile, QWidget* parent = nullptr, QString toolPath = FindDataTool());

  // The module installed, once the dialog ended accepted.
  const QString& DownloadedModule() const { return downloaded_; }
  // The progress window while the download runs, else null.
  QProgressDialog* Progress() const { return progress_; }

 private:
  enum class Run { None, Sources, Modules, Download };

  QWidget* MakeListPage();
  void Consent();
  void ShowPage(int page);
  void Start(Run run, const QStringList& arguments);
  void ShowProgress(ImportProgress progress);
  void Finished(int exitCode, QProcess::ExitStatus status);
  void SourcesListed(const QStringList& lines);
  void ModulesListed(const QStringList& lines);
  void Filter();
  void Download();
  void StopRequested();
  QString SelectedModule() const;

  CProfile& profile_;
  QString toolPath_;
  QStackedWidget* pages_ = nullptr;
  QComboBox* sources_ = nullptr;
  QComboBox* languages_ = nullptr;
  QTreeWidget* modules_ = nullptr;
  QLabel* note_ = nullptr;
  QLabel* reportText_ = nullptr;
  QPushButton* allow_ = nullptr;
  QPushButton* download_ = nullptr;
  QPushButton* close_ = nullptr;
  QPointer<QProgressDialog> progress_;

  CToolRun tool_;  // a run left behind is stopped and waited for
  Run run_ = Run::None;
  QString downloaded_;
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// "Dodaj przekład": imports a translation without a terminal. The user picks
// the slot (BG, BW, BT, each labelled with what is installed there now) and
// the source: a TSV, OSIS or Zefania XML file, or an installed SWORD module
// from the list `skrybon-tool modules` gives. "Dalej" runs `skrybon-tool
// import --summary` and shows the totals and what is missing or spelled in
// Latin; "Zapisz" runs `skrybon-tool import --progress`, which writes through
// the staged translation writer into the user's data folder, behind a
// progress window whose "Anuluj" stops it with the folder as it was. The last
// page reports how it ended. The work runs in the child process, so the
// window keeps painting.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QProcess>
#include <QProgressDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "data/import_messages.h"
#include "data/translation.h"
#include "ui/tool_run.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTreeWidget;

namespace skrybon {

class CScriptureData;

// skrybon-tool beside the running program, then in the build tree (tools/
// next to src/app/), then on PATH; empty when there is none.
QString FindDataTool();

// Shared by the windows that run skrybon-tool: a wrapping label whose text
// can be selected; a push button with an object name; the window-modal progress window with "Anuluj", busy until
// told its range; the tool's messages as the tail of a report (empty when it
// said nothing).
QLabel* NewReportLabel(const QString& name, QWidget* parent, const QString& text = {});
QPushButton* NewNamedButton(const QString& text, const QString& name, QWidget* parent);
QProgressDialog* NewToolProgress(QWidget* owner, const QString& name, const QString& label);
QString ToolMessagesText(const QStringList& messages);

class CImportDialog : public QDialog {
  Q_OBJECT

 public:
  // Asks for the file to import; an empty answer keeps the old choice.
  using FileChooser = std::function<QString(QWidget* parent)>;

  // data: the translations as the program has them now, for the slot labels.
  explicit CImportDialog(const CScriptureData& data, QWidget* parent = nullptr, QString toolPath = FindDataTool());

  void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
  // Chooses this installed SWORD module as the source once the list shows it
  // (the module "Pobierz przekład" has just installed).
  void PreferSwordModule(const QString& name) { preferredModule_ = name; }
  // True once a translation was written.
  bool Imported() const { return imported_; }
  // The progress window while the tool runs, else null.
  QProgressDialog* Progress() const { return progress_; }

 private:
  enum class Run { None, Summary, Write };

  QWidget* MakeChoicePage(const CScriptureData& data);
  void ChooseFile();
  void ListModules();
  void ModulesListed();
  void ShowPage(int page);
  void UpdateButtons();
  TranslationId Slot() const;
  QStringList ImportArguments(const QString& mode) const;
  void Start(Run run, const QStringList& arguments);
  void ShowProgress(ImportProgress progress);
  void Finished(int exitCode, QProcess::ExitStatus status);
  void StopRequested();
  QStringList SummaryLines() const;
  void ShowSummary();
  void Report(const QString& text);
  QString Stopped() const;

  QString toolPath_;
  std::array<QString, 3> installedFolders_;  // where each installed translation is read from
  FileChooser chooseFile_;
  QString preferredModule_;
  QStackedWidget* pages_ = nullptr;
  QButtonGroup* slots_ = nullptr;
  QRadioButton* fileSource_ = nullptr;
  QRadioButton* swordSource_ = nullptr;
  QLineEdit* file_ = nullptr;
  QComboBox* format_ = nullptr;
  QTreeWidget* modules_ = nullptr;
  QLabel* modulesNote_ = nullptr;
  QLabel* summaryText_ = nullptr;
  QLabel* reportText_ = nullptr;
  QPushButton* back_ = nullptr;
  QPushButton* next_ = nullptr;
  QPushButton* write_ = nullptr;
  QPushButton* close_ = nullptr;
  QPointer<QProgressDialog> progress_;

  // A run left behind is stopped the way "Anuluj" stops it, and waited for.
  CToolRun modulesTool_;
  CToolRun tool_;
  Run run_ = Run::None;
  std::optional<ImportSummary> summary_;
  bool imported_ = false;
};

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/import_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "data/scripture_data.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

enum Page { kChoicePage, kSummaryPage, kReportPage };

// The formats in the order of the format box, as the tool names them.
constexpr const char* kFormats[] = {"tsv", "osis", "zefania"};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// "Biblia Gdańska (BG)".
QString TitleAndCode(TranslationId id) {
  return ToQString(TranslationTitle(id)) + QStringLiteral(" (") + QString::fromLatin1(TranslationCode(id).data(), 2) +
         QStringLiteral(")");
}

}  // namespace

QLabel* NewReportLabel(const QString& name, QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  return label;
}

QPushButton* NewNamedButton(const QString& text, const QString& name, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

QProgressDialog* NewToolProgress(QWidget* owner, const QString& name, const QString& label) {
  auto* progress = new QProgressDialog(owner);
  progress->setObjectName(name);
  progress->setWindowTitle(owner->windowTitle());
  progress->setWindowModality(Qt::WindowModal);
  progress->setAutoClose(false);
  progress->setAutoReset(false);
  progress->setMinimumDuration(0);
  progress->setCancelButtonText(QStringLiteral("Anuluj"));
  progress->setLabelText(label);
  progress->setRange(0, 0);
  progress->show();
  return progress;
}

QString ToolMessagesText(const QStringList& messages) {
  QStringList lines;
  for (const QString& line : messages) {
    if (!line.trimmed().isEmpty()) lines << line.trimmed();
  }
  return lines.isEmpty() ? QString() : QStringLiteral("Komunikat programu skrybon-tool:\n") + lines.join('\n');
}

QString FindDataTool() {
  const QString dir = QCoreApplication::applicationDirPath();
  for (const QString& candidate : {dir + QStringLiteral("/skrybon-tool"), dir + QStringLiteral("/../../tools/skrybon-tool")}) {
    const QFileInfo info(candidate);
    if (info.isFile() && info.isExecutable()) return info.canonicalFilePath();
  }
  return QStandardPaths::findExecutable(QStringLiteral("skrybon-tool"));
}

CImportDialog::CImportDialog(const CScriptureData& data, QWidget* parent, QString toolPath)
    : QDialog(parent), toolPath_(std::move(toolPath)) {
  setObjectName(QStringLiteral("importDialog"));
  setWindowTitle(QStringLiteral("Dodaj przekład"));
  setModal(true);
  chooseFile_ = [](QWidget* owner) {
    return QFileDialog::getOpenFileName(owner, QStringLiteral("Plik z tekstem Biblii"), QString(),
                                        QStringLiteral("Teksty Biblii (*.tsv *.txt *.xml);;Wszystkie pliki (*)"));
  };

  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("pages"));
  pages_->addWidget(MakeChoicePage(data));
  summaryText_ = NewReportLabel(QStringLiteral("summaryText"), pages_);
  pages_->addWidget(summaryText_);
  reportText_ = NewReportLabel(QStringLiteral("reportText"), pages_);
  pages_->addWidget(reportText_);

  back_ = NewNamedButton(QStringLiteral("< &Wstecz"), QStringLiteral("backButton"), this);
  next_ = NewNamedButton(QStringLiteral("&Dalej >"), QStringLiteral("nextButton"), this);
  write_ = NewNamedButton(QStringLiteral("&Zapisz"), QStringLiteral("writeButton"), this);
  close_ = NewNamedButton(QStringLiteral("Anuluj"), QStringLiteral("closeButton"), this);
  connect(back_, &QPushButton::clicked, this, [this] { ShowPage(kChoicePage); });
  connect(next_, &QPushButton::clicked, this, [this] { Start(Run::Summary, ImportArguments(QStringLiteral("--summary"))); });
  connect(write_, &QPushButton::clicked, this, [this] { Start(Run::Write, ImportArguments(QStringLiteral("--progress"))); });
  connect(close_, &QPushButton::clicked, this, [this] { done(imported_ ? Accepted : Rejected); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {back_, next_, write_, close_}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);

  connect(&tool_, &CToolRun::progressed, this, &CImportDialog::ShowProgress);
  connect(&tool_, &CToolRun::finished, this, &CImportDialog::Finished);
  connect(&modulesTool_, &CToolRun::finished, this, &CImportDialog::ModulesListed);

  ShowPage(kChoicePage);
  ListModules();
  resize(620, 520);
}

QWidget* CImportDialog::MakeChoicePage(const CScriptureData& data) {
  auto* page = new QWidget(this);

  auto* slotBox = new QGroupBox(QStringLiteral("Przekład, którego tekst dodać lub zastąpić"), page);
  auto* slotLayout = new QVBoxLayout(slotBox);
  slots_ = new QButtonGroup(this);
  for (const TranslationId id : kAllTranslations) {
    if (!data.Get(id).Index().empty())
      installedFolders_[static_cast<std::size_t>(id) - 1] = QString::fromStdString(data.Folder(id));
    auto* radio = new QRadioButton(Utf8(InstalledTranslationLabel(id, data.Get(id).Index())), slotBox);
    radio->setObjectName(QStringLiteral("slot") + QString::fromLatin1(TranslationCode(id).data(), 2));
    slots_->addButton(radio, static_cast<int>(id));
    slotLayout->addWidget(radio);
  }
  // The first slot with nothing installed, else BG.
  QAbstractButton* first = slots_->button(static_cast<int>(TranslationId::BG));
  for (const TranslationId id : kAllTranslations) {
    if (data.Get(id).Index().empty()) {
      first = slots_->button(static_cast<int>(id));
      break;
    }
  }
  first->setChecked(true);

  auto* sourceBox = new QGroupBox(QStringLiteral("Źródło tekstu"), page);
  auto* grid = new QGridLayout(sourceBox);
  fileSource_ = new QRadioButton(QStringLiteral("&Plik TSV, OSIS lub Zefania XML:"), sourceBox);
  fileSource_->setObjectName(QStringLiteral("fileSource"));
  fileSource_->setChecked(true);
  file_ = new QLineEdit(sourceBox);
  file_->setObjectName(QStringLiteral("sourceFile"));
  file_->setReadOnly(true);
  file_->setAccessibleName(QStringLiteral("Wybrany plik"));
  auto* choose = new QPushButton(QStringLiteral("&Wybierz..."), sourceBox);
  choose->setObjectName(QStringLiteral("chooseFile"));
  format_ = new QComboBox(sourceBox);
  format_->setObjectName(QStringLiteral("format"));
  format_->addItems({QStringLiteral("TSV"), QStringLiteral("OSIS"), QStringLiteral("Zefania XML")});
  auto* formatLabel = new QLabel(QStringLiteral("&Format:"), sourceBox);
  formatLabel->setBuddy(format_);
  swordSource_ = new QRadioButton(QStringLiteral("&Moduł SWORD zainstalowany w systemie:"), sourceBox);
  swordSource_->setObjectName(QStringLiteral("swordSource"));
  modules_ = new QTreeWidget(sourceBox);
  modules_->setObjectName(QStringLiteral("swordModules"));
  modules_->setAccessibleName(QStringLiteral("Moduły SWORD"));
  modules_->setRootIsDecorated(false);
  modules_->setHeaderLabels({QStringLiteral("Nazwa"), QStringLiteral("Język"), QStringLiteral("Opis")});
  modules_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  modules_->header()->setStretchLastSection(true);
  modulesNote_ = NewReportLabel(QStringLiteral("modulesNote"), sourceBox);
  grid->addWidget(fileSource_, 0, 0, 1, 3);
  grid->addWidget(file_, 1, 0, 1, 2);
  grid->addWidget(choose, 1, 2);
  grid->addWidget(formatLabel, 2, 0);
  grid->addWidget(format_, 2, 1);
  grid->addWidget(swordSource_, 3, 0, 1, 3);
  grid->addWidget(modules_, 4, 0, 1, 3);
  grid->addWidget(modulesNote_, 5, 0, 1, 3);
  grid->setColumnStretch(1, 1);

  connect(choose, &QPushButton::clicked, this, &CImportDialog::ChooseFile);
  connect(fileSource_, &QRadioButton::toggled, this, &CImportDialog::UpdateButtons);
  connect(swordSource_, &QRadioButton::toggled, this, [this](bool on) {
    if (on && modules_->selectedItems().isEmpty() && modules_->topLevelItemCount() > 0)
      modules_->setCurrentItem(modules_->topLevelItem(0));
  });
  connect(modules_, &QTreeWidget::itemSelectionChanged, this, [this] {
    if (!modules_->selectedItems().isEmpty()) swordSource_->setChecked(true);
    UpdateButtons();
  });

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(slotBox);
  layout->addWidget(sourceBox, 1);
  return page;
}

void CImportDialog::ChooseFile() {
  const QString path = chooseFile_(this);
  if (path.isEmpty()) return;
  file_->setText(path);
  fileSource_->setChecked(true);
  QFile file(path);
  const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
  const std::string_view format =
      ImportFormatOf(path.toStdString(), std::string_view(head.constData(), static_cast<std::size_t>(head.size())));
  for (int i = 0; i < static_cast<int>(std::size(kFormats)); ++i) {
    if (format == kFormats[i]) format_->setCurrentIndex(i);
  }
  UpdateButtons();
}

void CImportDialog::ListModules() {
  if (toolPath_.isEmpty()) {
    modulesNote_->setText(QStringLiteral("Nie mogę odnaleźć programu skrybon-tool."));
    return;
  }
  modulesNote_->setText(QStringLiteral("Szukam modułów SWORD..."));
  modulesTool_.Start(toolPath_, {QStringLiteral("modules")});
}

void CImportDialog::ModulesListed() {
  if (modulesTool_.FailedToStart()) return modulesNote_->setText(QStringLiteral("Nie mogę odczytać listy modułów SWORD."));
  const QStringList lines = QString::fromUtf8(modulesTool_.Output()).split('\n', Qt::SkipEmptyParts);
  for (const QString& line : lines) {
    const QStringList fields = line.split('\t');
    if (fields.size() < 4) continue;
    auto* item = new QTreeWidgetItem(modules_, {fields[0], fields[1], fields.mid(3).join(' ')});
    item->setToolTip(2, item->text(2));
    if (item->text(0) == preferredModule_) modules_->setCurrentItem(item);
  }
  modulesNote_->setText(modules_->topLevelItemCount() > 0
                            ? QString()
                            : QStringLiteral("Nie znalazłem zainstalowanych modułów SWORD z tekstem Biblii."));
  modulesNote_->setVisible(!modulesNote_->text().isEmpty());
}

void CImportDialog::ShowPage(int page) {
  pages_->setCurrentIndex(page);
  UpdateButtons();
}

void CImportDialog::UpdateButtons() {
  const int page = pages_->currentIndex();
  const bool sourceChosen = fileSource_->isChecked() ? !file_->text().isEmpty() : !modules_->selectedItems().isEmpty();
  back_->setVisible(page == kSummaryPage);
  next_->setVisible(page == kChoicePage);
  next_->setEnabled(sourceChosen);
  write_->setVisible(page == kSummaryPage);
  close_->setText(page == kReportPage ? QStringLiteral("Zamknij") : QStringLiteral("Anuluj"));
  QPushButton* main = page == kChoicePage ? next_ : page == kSummaryPage ? write_ : close_;
  main->setDefault(true);
}

TranslationId CImportDialog::Slot() const { return static_cast<TranslationId>(slots_->checkedId()); }

QStringList CImportDialog::ImportArguments(const QString& mode) const {
  const bool sword = swordSource_->isChecked();
  const QString source = sword ? modules_->selectedItems().value(0)->text(0) : file_->text();
  const QString format = sword ? QStringLiteral("sword") : QString::fromLatin1(kFormats[format_->currentIndex()]);
  return {QStringLiteral("import"), QStringLiteral("--translation"), QString::fromLatin1(TranslationLowerCode(Slot()).data(), 2),
          QStringLiteral("--format"), format, mode, QStringLiteral("--"), source};
}

void CImportDialog::Start(Run run, const QStringList& arguments) {
  if (toolPath_.isEmpty()) {
    Report(QStringLiteral("Nie mogę odnaleźć programu skrybon-tool, który czyta teksty Biblii.\n"
                          "Szukałem go obok programu Skrybon i w folderach ścieżki PATH."));
    return;
  }
  run_ = run;
  // Busy until the writing counts its files.
  progress_ = NewToolProgress(this, QStringLiteral("importProgress"), QStringLiteral("Czytam tekst: %1").arg(arguments.last()));
  connect(progress_, &QProgressDialog::canceled, this, &CImportDialog::StopRequested);
  tool_.Start(toolPath_, arguments);
}

void CImportDialog::ShowProgress(ImportProgress progress) {
  if (progress_ == nullptr) return;
  progress_->setLabelText(QStringLiteral("Zapisuję pliki przekładu (%1 z %2)...").arg(progress.written).arg(progress.total));
  progress_->setRange(0, static_cast<int>(progress.total));
  progress_->setValue(static_cast<int>(progress.written));
}

void CImportDialog::StopRequested() {
  if (run_ == Run::None || tool_.StopRequested()) return;
  if (progress_ != nullptr) {
    progress_->setLabelText(QStringLiteral("Przerywam..."));
    progress_->show();  // a cancelled progress window hides itself
  }
  // Before the writing starts the tool simply ends; while it writes it stops
  // before putting anything in place. Only a tool that hangs is killed.
  tool_.Stop();
}

void CImportDialog::Finished(int exitCode, QProcess::ExitStatus status) {
  const Run run = std::exchange(run_, Run::None);
  delete progress_;
  // A tool stopped before it could start ends as any stopped one.
  if (tool_.FailedToStart() && !tool_.StopRequested()) {
    return Report(QStringLiteral("Nie mogę uruchomić programu: '%1'!\n%2").arg(toolPath_, tool_.ErrorString()));
  }
  const QStringList& messages = tool_.Messages();
  const bool ok = status == QProcess::NormalExit && exitCode == 0;
  const QString title = TitleAndCode(Slot());
  const QString folder = summary_ ? Utf8(summary_->folder) : QString();
  if (run == Run::Summary) {
    if (tool_.StopRequested()) return ShowPage(kChoicePage);
    summary_ = ok ? ParseImportSummary(tool_.Output().toStdString()) : std::nullopt;
    if (summary_) return ShowSummary();
    return Report(QStringLiteral("Nie mogę odczytać tekstu do przekładu %1.\n\n%2").arg(title, ToolMessagesText(messages)));
  }
  if (run != Run::Write) return;
  if (ok) {
    imported_ = true;
    // Books, chapters and verses: the first lines of the summary.
    return Report(QStringLiteral("Tekst przekładu %1 zapisano w folderze „%2”.\n\n%3")
                      .arg(title, folder, SummaryLines().mid(0, 3).join('\n')));
  }
  // Ended by the stop request: before writing, or while writing, the tool
  // stops with nothing replaced.
  if (tool_.StopRequested() && !tool_.Killed()) return Report(Stopped());
  if (status != QProcess::NormalExit) {
    return Report(QStringLiteral("Program skrybon-tool przerwał pracę nieoczekiwanie; w folderze „%1” mogły "
                                 "zostać pliki tymczasowe.\n\n%2").arg(folder, ToolMessagesText(messages)));
  }
  Report(QStringLiteral("Nie udało się zapisać tekstu przekładu %1. W folderze „%2” nic się nie zmieniło.\n\n%3")
             .arg(title, folder, ToolMessagesText(messages)));
}

QStringList CImportDialog::SummaryLines() const {
  QStringList lines;
  for (const std::string& line : DescribeImportSummary(Slot(), *summary_)) lines << Utf8(line);
  return lines;
}

void CImportDialog::ShowSummary() {
  const QString folder = Utf8(summary_->folder);
  QString text = QStringLiteral("Przekład: %1\nŹródło: %2\n\n%3\n\nTekst zostanie zapisany w folderze „%4”; "
                                "to, co jest tam teraz z tego przekładu, zostanie zastąpione.")
                     .arg(TitleAndCode(Slot()), ImportArguments({}).last(), SummaryLines().join('\n'), folder);
  const QString& installed = installedFolders_[static_cast<std::size_t>(Slot()) - 1];
  if (!installed.isEmpty() && QFileInfo(installed).canonicalFilePath() != QFileInfo(folder).canonicalFilePath()) {
    text += QStringLiteral("\n\nUwaga: program czyta teraz ten przekład z folderu „%1”. Nowy tekst pokaże "
                           "dopiero wtedy, gdy tamten folder nie będzie miał pierwszeństwa przed folderem "
                           "użytkownika (np. nie zostanie podany przy uruchomieniu) albo nie będzie już "
                           "zawierał tego przekładu.")
                .arg(installed);
  }
  summaryText_->setText(text);
  ShowPage(kSummaryPage);
}

void CImportDialog::Report(const QString& text) {
  reportText_->setText(text.trimmed());
  ShowPage(kReportPage);
}

QString CImportDialog::Stopped() const {
  return QStringLiteral("Przerwano. W folderze „%1” nic się nie zmieniło.").arg(summary_ ? Utf8(summary_->folder) : QString());
}

}  // namespace skrybon

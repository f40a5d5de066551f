// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/download_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <set>

#include "data/import_messages.h"
#include "ui/profile.h"

namespace skrybon {
namespace {

enum Page { kConsentPage, kListPage, kReportPage };
enum Column { kName, kLanguage, kSize, kLicence, kDescription };

constexpr std::string_view kConsentSection = "SWORD";
constexpr std::string_view kConsentKey = "Remote Access";

QString Bytes(qint64 bytes) {
  return QLocale(QLocale::Polish).formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

}  // namespace

CDownloadDialog::CDownloadDialog(CProfile& profile, QWidget* parent, QString toolPath)
    : QDialog(parent), profile_(profile), toolPath_(std::move(toolPath)) {
  setObjectName(QStringLiteral("downloadDialog"));
  setWindowTitle(QStringLiteral("Pobierz przekład"));
  setModal(true);

  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("pages"));
  pages_->addWidget(NewReportLabel(
      QStringLiteral("consentText"), pages_,
      QStringLiteral("Skrybon pobierze teraz listę przekładów Biblii z repozytorium SWORD w internecie "
                     "(domyślnie z repozytorium CrossWire).\n\n"
                     "Kto obserwuje sieć, może zobaczyć, że pobierasz teksty Biblii. Jeśli tam, gdzie "
                     "mieszkasz, może Ci to zagrażać, nie zgadzaj się. Repozytoriów innych niż CrossWire "
                     "nikt z CrossWire nie sprawdza.\n\n"
                     "Czy pozwalasz programowi łączyć się z repozytoriami SWORD teraz i w przyszłości?")));
  pages_->addWidget(MakeListPage());
  reportText_ = NewReportLabel(QStringLiteral("reportText"), pages_);
  pages_->addWidget(reportText_);

  allow_ = NewNamedButton(QStringLiteral("&Pozwalam"), QStringLiteral("allowButton"), this);
  download_ = NewNamedButton(QStringLiteral("&Pobierz"), QStringLiteral("downloadButton"), this);
  close_ = NewNamedButton(QStringLiteral("Anuluj"), QStringLiteral("closeButton"), this);
  connect(allow_, &QPushButton::clicked, this, &CDownloadDialog::Consent);
  connect(download_, &QPushButton::clicked, this, &CDownloadDialog::Download);
  connect(close_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {allow_, download_, close_}) buttons->addWidget(button);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_, 1);
  layout->addLayout(buttons);

  connect(&tool_, &CToolRun::progressed, this, &CDownloadDialog::ShowProgress);
  connect(&tool_, &CToolRun::finished, this, &CDownloadDialog::Finished);

  if (profile_.GetProfileInt(kConsentSection, kConsentKey, 0) == 1) {
    ShowPage(kListPage);
    Start(Run::Sources, {QStringLiteral("sources")});
  } else {
    ShowPage(kConsentPage);
  }
  resize(700, 480);
}

QWidget* CDownloadDialog::MakeListPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("listPage"));
  sources_ = new QComboBox(page);
  sources_->setObjectName(QStringLiteral("sources"));
  languages_ = new QComboBox(page);
  languages_->setObjectName(QStringLiteral("languages"));
  languages_->addItem(QStringLiteral("polski"), QStringLiteral("pl"));
  languages_->addItem(QStringLiteral("Wszystkie języki"), QString());
  auto* sourceLabel = new QLabel(QStringLiteral("&Źródło:"), page);
  sourceLabel->setBuddy(sources_);
  auto* languageLabel = new QLabel(QStringLiteral("&Język:"), page);
  languageLabel->setBuddy(languages_);
  modules_ = new QTreeWidget(page);
  modules_->setObjectName(QStringLiteral("remoteModules"));
  modules_->setAccessibleName(QStringLiteral("Przekłady do pobrania"));
  modules_->setRootIsDecorated(false);
  modules_->setHeaderLabels({QStringLiteral("Nazwa"), QStringLiteral("Język"), QStringLiteral("Rozmiar"),
                             QStringLiteral("Licencja"), QStringLiteral("Opis")});
  modules_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  modules_->header()->setStretchLastSection(true);
  note_ = NewReportLabel(QStringLiteral("modulesNote"), page);

  auto* grid = new QGridLayout(page);
  grid->addWidget(sourceLabel, 0, 0);
  grid->addWidget(sources_, 0, 1);
  grid->addWidget(languageLabel, 0, 2);
  grid->addWidget(languages_, 0, 3);
  grid->addWidget(modules_, 1, 0, 1, 4);
  grid->addWidget(note_, 2, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);

  connect(sources_, &QComboBox::activated, this, [this] {
    modules_->clear();
    Start(Run::Modules, {QStringLiteral("remote"), QStringLiteral("--yes"), QStringLiteral("--all-languages"),
                         QStringLiteral("--source"), sources_->currentText()});
  });
  connect(languages_, &QComboBox::currentIndexChanged, this, &CDownloadDialog::Filter);
  connect(modules_, &QTreeWidget::itemSelectionChanged, this, [this] { ShowPage(kListPage); });
  connect(modules_, &QTreeWidget::itemDoubleClicked, this, &CDownloadDialog::Download);
  return page;
}

void CDownloadDialog::Consent() {
  if (!profile_.WriteProfileInt(kConsentSection, kConsentKey, 1)) {
    // Allowed for this run all the same; the next one asks again.
    note_->setText(QStringLiteral("Nie mogę zapamiętać zgody w pliku „%1”: %2")
                       .arg(QString::fromStdString(profile_.Path()), QString::fromStdString(profile_.LastError())));
  }
  ShowPage(kListPage);
  Start(Run::Sources, {QStringLiteral("sources")});
}

void CDownloadDialog::ShowPage(int page) {
  pages_->setCurrentIndex(page);
  allow_->setVisible(page == kConsentPage);
  download_->setVisible(page == kListPage);
  download_->setEnabled(run_ == Run::None && !SelectedModule().isEmpty());
  sources_->setEnabled(run_ == Run::None);
  close_->setText(page == kReportPage ? QStringLiteral("Zamknij") : QStringLiteral("Anuluj"));
  (page == kConsentPage ? allow_ : page == kListPage ? download_ : close_)->setDefault(true);
}

QString CDownloadDialog::SelectedModule() const {
  const QList<QTreeWidgetItem*> selected = modules_->selectedItems();
  return selected.isEmpty() || selected[0]->isHidden() ? QString() : selected[0]->text(kName);
}

void CDownloadDialog::Start(Run run, const QStringList& arguments) {
  if (toolPath_.isEmpty()) {
    note_->setText(QStringLiteral("Nie mogę odnaleźć programu skrybon-tool, który pobiera teksty Biblii.\n"
                                  "Szukałem go obok programu Skrybon i w folderach ścieżki PATH."));
    return;
  }
  run_ = run;
  if (run == Run::Download) {
    // Busy until the size is known.
    progress_ = NewToolProgress(this, QStringLiteral("downloadProgress"), QStringLiteral("Pobieram moduł %1...").arg(arguments.last()));
    connect(progress_, &QProgressDialog::canceled, this, &CDownloadDialog::StopRequested);
  } else {
    note_->setText(run == Run::Sources ? QStringLiteral("Odczytuję listę źródeł...")
                                       : QStringLiteral("Pobieram listę przekładów ze źródła %1...").arg(arguments.last()));
  }
  ShowPage(kListPage);
  tool_.Start(toolPath_, arguments);
}

void CDownloadDialog::ShowProgress(ImportProgress progress) {
  if (progress.total == 0 || progress_ == nullptr) return;
  // Kilobytes, so that the largest module fits the progress bar's range.
  progress_->setRange(0, static_cast<int>(progress.total / 1024 + 1));
  progress_->setValue(static_cast<int>(progress.written / 1024));
  progress_->setLabelText(QStringLiteral("Pobieram moduł %1: %2 z %3")
                              .arg(SelectedModule(), Bytes(static_cast<qint64>(progress.written)),
                                   Bytes(static_cast<qint64>(progress.total))));
}

void CDownloadDialog::Finished(int exitCode, QProcess::ExitStatus status) {
  const Run run = std::exchange(run_, Run::None);
  delete progress_;
  const bool ok = status == QProcess::NormalExit && exitCode == 0;
  const QStringList lines = QString::fromUtf8(tool_.Output()).split('\n', Qt::SkipEmptyParts);
  QString failure = ToolMessagesText(tool_.Messages());
  if (tool_.FailedToStart())
    failure = QStringLiteral("Nie mogę uruchomić programu: '%1'!\n%2").arg(toolPath_, tool_.ErrorString());
  else if (status != QProcess::NormalExit && !tool_.StopRequested())
    failure = QStringLiteral("Program skrybon-tool przerwał pracę nieoczekiwanie.\n%1").arg(failure);
  if (run == Run::Sources) {
    if (ok) return SourcesListed(lines);
    note_->setText(QStringLiteral("Nie mogę odczytać listy źródeł.\n\n%1").arg(failure));
  } else if (run == Run::Modules) {
    if (ok) return ModulesListed(lines);
    note_->setText(QStringLiteral("Nie mogę pobrać listy przekładów ze źródła %1.\n\n%2").arg(sources_->currentText(), failure));
  } else if (run == Run::Download) {
    const QString module = SelectedModule();
    const QString folder = QDir::homePath() + QStringLiteral("/.sword");
    if (ok) {
      downloaded_ = module;
      return accept();
    }
    if (tool_.StopRequested()) {
      note_->setText(QStringLiteral("Przerwano pobieranie modułu %1.").arg(module));
    } else {
      reportText_->setText(QStringLiteral("Nie udało się pobrać modułu %1. W folderze „%2” nic nie zainstalowano.\n\n%3")
                               .arg(module, folder, failure)
                               .trimmed());
      return ShowPage(kReportPage);
    }
  }
  ShowPage(kListPage);
}

void CDownloadDialog::SourcesListed(const QStringList& lines) {
  sources_->clear();
  for (const QString& line : lines) {
    const QStringList fields = line.split('\t');
    sources_->addItem(fields[0]);
    sources_->setItemData(sources_->count() - 1, fields.value(2), Qt::ToolTipRole);
  }
  if (sources_->count() == 0) {
    note_->setText(QStringLiteral("Nie ma żadnego źródła przekładów."));
    return ShowPage(kListPage);
  }
  const int crossWire = sources_->findText(QStringLiteral("CrossWire"));
  sources_->setCurrentIndex(crossWire >= 0 ? crossWire : 0);
  emit sources_->activated(sources_->currentIndex());
}

void CDownloadDialog::ModulesListed(const QStringList& lines) {
  std::set<QString> languages;
  for (const QString& line : lines) {
    const QStringList fields = line.split('\t');
    if (fields.size() < 6) continue;
    bool known = false;
    const qint64 size = fields[3].toLongLong(&known);
    auto* item = new QTreeWidgetItem(modules_, {fields[0], fields[1], known ? Bytes(size) : fields[3], fields[4],
                                                fields.mid(5).join('\t')});
    item->setToolTip(kDescription, item->text(kDescription));
    languages.insert(fields[1]);
  }
  // The languages the source offers beyond Polish, after "Wszystkie języki".
  while (languages_->count() > 2) languages_->removeItem(2);
  for (const QString& language : languages) {
    if (language != QStringLiteral("pl")) languages_->addItem(language, language);
  }
  Filter();
}

void CDownloadDialog::Filter() {
  const QString language = languages_->currentData().toString();
  QTreeWidgetItem* firstShown = nullptr;
  for (int i = 0; i < modules_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = modules_->topLevelItem(i);
    item->setHidden(!language.isEmpty() && item->text(kLanguage) != language);
    if (!item->isHidden() && firstShown == nullptr) firstShown = item;
  }
  // A choice hidden by the filter gives way to the first module shown.
  if (SelectedModule().isEmpty() && firstShown != nullptr) modules_->setCurrentItem(firstShown);
  if (run_ == Run::None) {
    note_->setText(firstShown != nullptr ? QString()
                             : QStringLiteral("Źródło %1 nie ma przekładów Biblii w tym języku.").arg(sources_->currentText()));
  }
  ShowPage(kListPage);
}

void CDownloadDialog::Download() {
  const QString module = SelectedModule();
  if (module.isEmpty() || run_ != Run::None) return;
  Start(Run::Download, {QStringLiteral("download"), QStringLiteral("--yes"), QStringLiteral("--source"),
                        sources_->currentText(), QStringLiteral("--"), module});
}

void CDownloadDialog::StopRequested() {
  if (run_ != Run::Download || tool_.StopRequested()) return;
  if (progress_ != nullptr) {
    progress_->setLabelText(QStringLiteral("Przerywam..."));
    progress_->show();  // a cancelled progress window hides itself
  }
  tool_.Stop();
}

}  // namespace skrybon

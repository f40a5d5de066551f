// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/help_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <map>

#include "ui/help_topics.h"

// The guide's resources live in the static library: register them once.
static void InitHelpResources() { Q_INIT_RESOURCE(help); }

namespace skrybon {
namespace {

QString Q(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

constexpr int kPageRole = Qt::UserRole;

}  // namespace

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent) {
  InitHelpResources();
  setObjectName(QStringLiteral("helpWindow"));
  setWindowTitle(QStringLiteral("Skrybon — pomoc"));
  setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
  setModal(false);

  auto* contents = new QPushButton(QStringLiteral("&Spis treści"), this);
  contents->setObjectName(QStringLiteral("contentsButton"));
  auto* indexButton = new QPushButton(QStringLiteral("&Indeks"), this);
  indexButton->setObjectName(QStringLiteral("indexButton"));
  back_ = new QPushButton(QStringLiteral("&Wstecz"), this);
  back_->setObjectName(QStringLiteral("backButton"));
  forward_ = new QPushButton(QStringLiteral("&Dalej"), this);
  forward_->setObjectName(QStringLiteral("forwardButton"));
  for (QPushButton* b : {contents, indexButton, back_, forward_}) b->setAutoDefault(false);
  back_->setEnabled(false);
  forward_->setEnabled(false);

  indexPanel_ = new QWidget(this);
  search_ = new QLineEdit(indexPanel_);
  search_->setObjectName(QStringLiteral("searchField"));
  search_->setClearButtonEnabled(true);
  auto* searchLabel = new QLabel(QStringLiteral("S&zukaj:"), indexPanel_);
  searchLabel->setBuddy(search_);
  index_ = new QListWidget(indexPanel_);
  index_->setObjectName(QStringLiteral("indexList"));
  auto* panelLayout = new QVBoxLayout(indexPanel_);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(searchLabel);
  panelLayout->addWidget(search_);
  panelLayout->addWidget(index_, 1);
  indexPanel_->hide();

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setSearchPaths({QStringLiteral(":/help")});
  browser_->setOpenExternalLinks(true);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(indexPanel_);
  splitter->addWidget(browser_);
  splitter->setStretchFactor(1, 1);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {contents, indexButton, back_, forward_}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter, 1);
  resize(760, 560);

  connect(contents, &QPushButton::clicked, this, &CHelpWindow::ShowContents);
  connect(indexButton, &QPushButton::clicked, this, &CHelpWindow::ShowIndex);
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
  connect(search_, &QLineEdit::textChanged, this, &CHelpWindow::FillIndex);
  connect(search_, &QLineEdit::returnPressed, this, &CHelpWindow::OpenIndexItem);
  connect(index_, &QListWidget::itemActivated, this, &CHelpWindow::OpenIndexItem);
  FillIndex(QString());
}

QString CHelpWindow::PageHtml(std::string_view page) {
  InitHelpResources();
  QFile file(QStringLiteral(":/help/") + Q(page));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

void CHelpWindow::ShowPage(std::string_view page) {
  browser_->setSource(QUrl(Q(page)));
  show();
  raise();
  activateWindow();
}

void CHelpWindow::ShowContents() {
  indexPanel_->hide();
  ShowPage(kHelpContentsPage);
}

void CHelpWindow::ShowIndex() {
  indexPanel_->show();
  show();
  raise();
  activateWindow();
  search_->setFocus(Qt::OtherFocusReason);
  search_->selectAll();
}

void CHelpWindow::FillIndex(const QString& query) {
  std::map<std::string_view, std::string> texts;  // plain text of each page, read once per search
  const auto pageText = [&texts](std::string_view page) -> const std::string& {
    auto it = texts.find(page);
    if (it == texts.end())
      it = texts.emplace(page, QTextDocumentFragment::fromHtml(PageHtml(page)).toPlainText().toStdString()).first;
    return it->second;
  };
  index_->clear();
  for (const CHelpIndexEntry& entry : SearchHelpIndex(query.toStdString(), pageText)) {
    const CHelpTopic* topic = FindHelpTopic(entry.page);
    auto* item = new QListWidgetItem(QString::fromStdString(entry.word), index_);
    item->setData(kPageRole, Q(entry.page));
    if (topic != nullptr && topic->title != entry.word) item->setToolTip(Q(topic->title));
  }
  if (index_->count() > 0) index_->setCurrentRow(0);
}

void CHelpWindow::OpenIndexItem() {
  const QListWidgetItem* item = index_->currentItem();
  if (item == nullptr) return;
  browser_->setSource(QUrl(item->data(kPageRole).toString()));
}

}  // namespace skrybon

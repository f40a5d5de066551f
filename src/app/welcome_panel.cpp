// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/welcome_panel.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace skrybon {
namespace {

QLabel* NewText(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setTextFormat(Qt::PlainText);
  // Reachable and readable by keyboard (Tab, then the arrow keys).
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setFocusPolicy(Qt::StrongFocus);
  return label;
}

// A button that triggers command and is enabled as the command is.
QPushButton* NewCommandButton(const QString& text, QAction& command, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setEnabled(command.isEnabled());
  QObject::connect(&command, &QAction::changed, button, [button, &command] { button->setEnabled(command.isEnabled()); });
  QObject::connect(button, &QPushButton::clicked, &command, &QAction::trigger);
  return button;
}

}  // namespace

CWelcomePanel::CWelcomePanel(QAction& downloadCommand, QAction& addCommand, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("welcomePanel"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Window);
  setAccessibleName(QStringLiteral("Powitanie"));

  heading_ = NewText(QStringLiteral("Witaj w programie Skrybon"), this);
  QFont big = heading_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.4);
  heading_->setFont(big);
  about_ = NewText(QStringLiteral("Skrybon służy do czytania Pisma Świętego w polskich przekładach: Biblii "
                                  "Gdańskiej, Biblii Warszawskiej i Biblii Tysiąclecia. Pozwala szukać w nich "
                                  "wyrazów, porównywać przekłady, kopiować, zapisywać i drukować wersety.\n\n"
                                  "Nie zainstalowano jeszcze żadnego przekładu. Pobierz przekład z repozytorium "
                                  "SWORD albo dodaj go z pliku (TSV, OSIS, Zefania XML) lub z zainstalowanego "
                                  "modułu SWORD; Biblia Gdańska jest dostępna bez ograniczeń praw autorskich."),
                       this);
  folders_ = NewText(QString(), this);

  download_ = NewCommandButton(QStringLiteral("Pobierz przekład..."), downloadCommand, this);
  download_->setObjectName(QStringLiteral("downloadTranslation"));
  add_ = NewCommandButton(QStringLiteral("Dodaj przekład z pliku..."), addCommand, this);
  add_->setObjectName(QStringLiteral("addTranslation"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(download_);
  buttons->addWidget(add_);
  buttons->addStretch(1);

  auto* column = new QVBoxLayout;
  column->addWidget(heading_);
  column->addSpacing(8);
  column->addWidget(about_);
  column->addSpacing(8);
  column->addWidget(folders_);
  column->addSpacing(12);
  column->addLayout(buttons);
  column->addStretch(1);
  auto* outer = new QHBoxLayout(this);
  outer->addStretch(1);
  outer->addLayout(column, 6);
  outer->addStretch(1);
  outer->setContentsMargins(24, 32, 24, 24);

  setTabOrder(download_, add_);
  setTabOrder(add_, heading_);
  setTabOrder(heading_, about_);
  setTabOrder(about_, folders_);
}

void CWelcomePanel::SetFolders(const QStringList& folders) {
  folders_->setText(QStringLiteral("Pliki przekładów (bg.idx, bw.idx, bt.idx) były szukane w folderach:\n") +
                    folders.join(QLatin1Char('\n')));
  download_->setAccessibleDescription(Text());
  setAccessibleDescription(Text());
}

QString CWelcomePanel::Text() const {
  return heading_->text() + QLatin1Char('\n') + about_->text() + QLatin1Char('\n') + folders_->text();
}

}  // namespace skrybon

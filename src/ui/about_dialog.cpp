// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/about_dialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/command_ids.h"
#include "ui/credits_scroller.h"
#include "ui/icons.h"

namespace skrybon {
namespace {

// Headings end in a tab, the picture line in '^'; the rest is plain text.
constexpr const char* kCredits =
    "Skrybon\t\n"
    "czytnik Pisma Świętego\n"
    "\n"
    "170^\n"
    "\n"
    "Przekłady\t\n"
    "Biblia Gdańska\n"
    "Biblia Warszawska\n"
    "Biblia Tysiąclecia\n"
    "\n"
    "Program\t\n"
    "okna czytania, szukanie wyrazów,\n"
    "porównywanie przekładów,\n"
    "schowek, zapis i wydruk wersetów\n"
    "\n"
    "Podziękowania\t\n"
    "wszystkim, którzy czytają,\n"
    "sprawdzają i poprawiają teksty\n"
    "\n"
    "Niech słowo Chrystusowe\n"
    "mieszka w was obficie\n"
    "(Kol. 3:16)\n"
    "\n"
    "\n";

// The program's description, found beside the program or a few folders up, or installed.
QString ReadmeLink() {
  QDir dir(QCoreApplication::applicationDirPath());
  for (int up = 0; up < 5; ++up) {
    const QFileInfo readme(dir.filePath(QStringLiteral("README.md")));
    if (readme.isFile()) return QUrl::fromLocalFile(readme.absoluteFilePath()).toString();
    if (!dir.cdUp()) break;
  }
  // Installed: share/doc/skrybon beside the program's bin folder (/usr or /usr/local).
  const QFileInfo installed(QDir(QCoreApplication::applicationDirPath())
                                .filePath(QStringLiteral("../share/doc/skrybon/README.md")));
  if (installed.isFile()) return QUrl::fromLocalFile(installed.absoluteFilePath()).toString();
  return {};
}

QLabel* NewLink(QWidget* parent, int id, const QString& text, const QString& target) {
  auto* link = new QLabel(parent);
  link->setObjectName(QStringLiteral("link%1").arg(id));
  if (target.isEmpty()) {
    link->setText(text);
  } else {
    link->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped()));
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    link->setToolTip(target);
  }
  return link;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent, const QString& translations) : QDialog(parent) {
  setWindowTitle(QStringLiteral("O programie"));
  setObjectName(QStringLiteral("dialog%1").arg(IDD_ABOUT));

  auto* picture = new QLabel(this);
  picture->setObjectName("picture170");
  picture->setPixmap(AboutPicture(48, devicePixelRatioF()));
  picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

  auto* name = new QLabel(QStringLiteral("Skrybon dla Windows 95/98/NT\n\twersja 1.4"), this);
  name->setObjectName("programName");
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  auto* year = new QLabel(QStringLiteral("© 1998"), this);
  year->setObjectName("year");

  const QString readme = ReadmeLink();
  auto* home = NewLink(this, IDC_LINK_HOME, QStringLiteral("Strona programu Skrybon"), readme);
  auto* catalogue = NewLink(this, IDC_LINK_CATALOGUE, QStringLiteral("Opis programu i danych"), readme);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  scroller_ = new CCreditsScroller(this);
  scroller_->setObjectName(QStringLiteral("credits%1").arg(IDC_CREDITS));
  scroller_->setFixedSize(330, 60);
  // Drawn once: the scroller asks for the picture's height at every step.
  const QPixmap credits = AboutPicture(32, devicePixelRatioF());
  scroller_->SetPictureSource([credits](const QString& name) {
    return name == QStringLiteral("170") ? credits : QPixmap();
  });

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(year);
  texts->addSpacing(4);
  texts->addWidget(home);
  texts->addWidget(catalogue);
  if (!translations.isEmpty()) {
    auto* folders = new QLabel(translations, this);
    folders->setObjectName("translationFolders");
    folders->setTextFormat(Qt::PlainText);
    folders->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    texts->addSpacing(4);
    texts->addWidget(folders);
  }
  texts->addStretch(1);

  auto* top = new QHBoxLayout;
  top->addWidget(picture, 0, Qt::AlignTop);
  top->addSpacing(8);
  top->addLayout(texts, 1);
  top->addWidget(ok, 0, Qt::AlignTop);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(6);
  layout->addWidget(scroller_, 0, Qt::AlignHCenter);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  const QPalette pal = QApplication::palette();
  scroller_->SetText(QString::fromUtf8(kCredits), QLatin1Char('\n'));
  scroller_->SetSpeed(1, 0);
  scroller_->SetColor(0, pal.color(QPalette::Button));
  scroller_->SetColor(4, pal.color(QPalette::ButtonText));
  scroller_->Start();
}

}  // namespace skrybon

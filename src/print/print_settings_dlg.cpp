// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_settings_dlg.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/font_name_combo.h"
#include "ui/qt_text.h"

namespace skrybon {
namespace {

template <typename W>
W* Named(W* widget, int id) {
  widget->setObjectName(QStringLiteral("control%1").arg(id));
  return widget;
}

QFrame* EtchedLine(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QPlainTextEdit* TextBox(QWidget* parent, int id, const std::string& text) {
  auto* edit = Named(new QPlainTextEdit(ToQString(text), parent), id);
  edit->setFixedHeight(60);
  edit->setTabChangesFocus(true);
  return edit;
}

// The picture of a page between the margin fields: a sheet with lines of
// text inside dashed margins.
QPixmap PagePicture() {
  QPixmap pixmap(92, 126);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(0, 0, 88, 122);
  p.setPen(QPen(Qt::gray, 1));
  p.drawLine(3, 3, 3, 120);  // shadow side of the sheet
  p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(12, 12, 64, 98);
  p.setPen(QPen(QColor(90, 90, 90), 1));
  for (int y = 20; y < 104; y += 6) p.drawLine(16, y, y % 4 ? 70 : 62, y);
  p.end();
  return pixmap;
}

}  // namespace

CPrintSettingsDlg::CPrintSettingsDlg(const CPrintSettings& settings, QPrinter& printer, QWidget* parent)
    : QDialog(parent), printer_(printer) {
  setObjectName(QStringLiteral("dialog110"));
  setWindowTitle(QString::fromUtf8("Drukowanie"));
  tabs_ = Named(new QTabWidget(this), 1047);
  tabs_->addTab(CreateHeadersPage(settings), QString::fromUtf8("Nagłówki i czcionki"));
  tabs_->addTab(CreateMarginsPage(settings), QString::fromUtf8("Marginesy"));

  auto* ok = Named(new QPushButton(QString::fromUtf8("&OK"), this), 1);
  auto* cancel = Named(new QPushButton(QString::fromUtf8("&Anuluj"), this), 2);
  auto* setup = Named(new QPushButton(QString::fromUtf8("&Ustawienia ..."), this), 1049);
  auto* preview = Named(new QPushButton(QString::fromUtf8("&Podgląd wydruku"), this), 1080);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &CPrintSettingsDlg::accept);
  connect(cancel, &QPushButton::clicked, this, &CPrintSettingsDlg::reject);
  connect(setup, &QPushButton::clicked, this, [this] {
    QPageSetupDialog dialog(&printer_, this);
    dialog.exec();
  });
  connect(preview, &QPushButton::clicked, this, [this] {
    if (preview_) preview_(Settings(), this);
  });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();
  buttons->addWidget(preview);
  buttons->addWidget(setup);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addLayout(buttons);
}

CPrintSettingsDlg::FontRow CPrintSettingsDlg::AddFontRow(QWidget* page, int faceId, int sizeId,
                                                        const CPrintFontSetting& font) {
  FontRow row;
  row.face = Named(new CFontNameCombo(page), faceId);
  row.face->SelectFace(ToQString(font.face));
  row.size = Named(new QComboBox(page), sizeId);
  row.size->setEditable(true);
  for (const char* size : {"6", "8", "9", "10", "11", "12", "14", "16", "18", "20", "22"})
    row.size->addItem(QString::fromLatin1(size));
  row.size->setEditText(QString::number(font.size));
  row.size->setFixedWidth(64);
  return row;
}

QWidget* CPrintSettingsDlg::CreateHeadersPage(const CPrintSettings& s) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("dialog108"));
  auto* grid = new QGridLayout(page);
  const auto addRow = [&](int line, const char* label, const FontRow& row) {
    grid->addWidget(new QLabel(QString::fromUtf8(label), page), line, 0);
    grid->addWidget(row.face, line, 1);
    grid->addWidget(row.size, line, 2);
  };
  header_ = AddFontRow(page, 1072, 1073, s.headerFont);
  body_ = AddFontRow(page, 1076, 1077, s.bodyFont);
  footer_ = AddFontRow(page, 1074, 1075, s.footerFont);
  headerText_ = TextBox(page, 1078, s.headerText);
  pageFormat_ = Named(new QLineEdit(ToQString(s.pageNumberFormat), page), 1079);
  pageFormat_->setMaxLength(static_cast<int>(kMaxPrintText));
  footerText_ = TextBox(page, 1070, s.footerText);

  addRow(0, "Nagłówek:", header_);
  grid->addWidget(headerText_, 1, 0, 1, 3);
  grid->addWidget(EtchedLine(page), 2, 0, 1, 3);
  addRow(3, "Zawartość:", body_);
  grid->addWidget(new QLabel(QString::fromUtf8("Format strony:"), page), 4, 0);
  grid->addWidget(pageFormat_, 4, 1, 1, 2);
  grid->addWidget(EtchedLine(page), 5, 0, 1, 3);
  addRow(6, "Stopka:", footer_);
  grid->addWidget(footerText_, 7, 0, 1, 3);
  grid->setColumnStretch(1, 1);
  return page;
}

QWidget* CPrintSettingsDlg::CreateMarginsPage(const CPrintSettings& s) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("dialog109"));
  const auto margin = [page](int editId, int value) {
    auto* spin = Named(new QSpinBox(page), editId);
    spin->setRange(0, kMaxMargin);
    spin->setValue(value);
    return spin;
  };
  top_ = margin(1059, s.marginTop);
  left_ = margin(1053, s.marginLeft);
  right_ = margin(1061, s.marginRight);
  bottom_ = margin(1056, s.marginBottom);
  const auto labelled = [page](const char* text, QSpinBox* spin) {
    auto* box = new QVBoxLayout;
    auto* label = new QLabel(QString::fromUtf8(text), page);
    label->setBuddy(spin);
    box->addWidget(label);
    box->addWidget(spin);
    return box;
  };
  auto* picture = Named(new QLabel(page), 171);
  picture->setPixmap(PagePicture());
  picture->setAlignment(Qt::AlignCenter);

  auto* grid = new QGridLayout(page);
  grid->addWidget(new QLabel(QString::fromUtf8("Marginesy\npodane są w mm."), page), 0, 0, Qt::AlignTop);
  grid->addLayout(labelled("&Górny:", top_), 0, 2, Qt::AlignHCenter);
  grid->addLayout(labelled("&Lewy:", left_), 1, 1, Qt::AlignVCenter);
  grid->addWidget(picture, 1, 2);
  grid->addLayout(labelled("&Prawy:", right_), 1, 3, Qt::AlignVCenter);
  grid->addLayout(labelled("&Dolny:", bottom_), 2, 2, Qt::AlignHCenter);
  grid->setColumnStretch(4, 1);
  return page;
}

int CPrintSettingsDlg::ParseFontSize(const QString& text) {
  int value = 0;
  for (const QChar c : text) {
    if (c < u'0' || c > u'9') break;
    value = std::min(value * 10 + (c.unicode() - u'0'), kMaxFontSize);
  }
  return value;
}

CPrintSettings CPrintSettingsDlg::Settings() const {
  CPrintSettings s;
  s.marginLeft = left_->value();
  s.marginTop = top_->value();
  s.marginRight = right_->value();
  s.marginBottom = bottom_->value();
  s.headerFont = {FromQString(header_.face->Face()), ParseFontSize(header_.size->currentText())};
  s.bodyFont = {FromQString(body_.face->Face()), ParseFontSize(body_.size->currentText())};
  s.footerFont = {FromQString(footer_.face->Face()), ParseFontSize(footer_.size->currentText())};
  s.headerText = FromQString(headerText_->toPlainText());
  s.pageNumberFormat = FromQString(pageFormat_->text());
  s.footerText = FromQString(footerText_->toPlainText());
  HoldToPrintLimits(s);
  return s;
}

bool CPrintSettingsDlg::CheckText(const QString& text, const char* subject, QWidget* field) {
  const auto c = FirstCharOutsideCp1250(text);
  if (!c) return true;
  tabs_->setCurrentIndex(0);
  field->setFocus();
  const QString message = CharacterOutsideCp1250Message(QString::fromUtf8(subject), *c);
  if (messageSink_)
    messageSink_(message);
  else
    QMessageBox::warning(this, windowTitle(), message);
  return false;
}

void CPrintSettingsDlg::accept() {
  if (!CheckText(headerText_->toPlainText(), "Nagłówek", headerText_) ||
      !CheckText(pageFormat_->text(), "Format strony", pageFormat_) ||
      !CheckText(footerText_->toPlainText(), "Stopka", footerText_))
    return;
  QDialog::accept();
}

}  // namespace skrybon

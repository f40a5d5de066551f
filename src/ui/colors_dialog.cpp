// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/colors_dialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/color_button.h"
#include "ui/display_qt.h"

namespace skrybon {
namespace {

struct SwatchRow {
  CSwatch swatch;
  const char* caption;
};

// Top to bottom as the dialog shows them.
constexpr SwatchRow kRows[] = {
    {CSwatch::Numbers, "Numery wersetów"},
    {CSwatch::Text, "Tekst wersetu"},
    {CSwatch::Background, "Tło tekstu"},
    {CSwatch::HighlightText, "Podświetlony tekst"},
    {CSwatch::HighlightBackground, "Podświetlone tło"},
    {CSwatch::FoundWords, "Znalezione wyrazy"},
};

}  // namespace

CColorsDialog::CColorsDialog(const CDisplayColors& colors, const CSystemColors& system, QWidget* parent)
    : QDialog(parent), colors_(colors), system_(system) {
  setWindowTitle(QStringLiteral("Kolory"));
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(6);
  for (const SwatchRow& row : kRows) {
    auto* button = new CColorButton(QString::fromUtf8(row.caption), this);
    button->setObjectName(QStringLiteral("swatch%1").arg(SwatchControlId(row.swatch)));
    button->setMinimumSize(200, 28);
    button->setAutoDefault(false);
    const CSwatch swatch = row.swatch;
    connect(button, &QPushButton::clicked, this, [this, swatch] { Pick(swatch); });
    swatches_[static_cast<int>(row.swatch)] = button;
    layout->addWidget(button);
  }
  systemButton_ = new QPushButton(QStringLiteral("Kolory Windows"), this);
  systemButton_->setObjectName("systemColors");
  systemButton_->setAutoDefault(false);
  connect(systemButton_, &QPushButton::clicked, this, &CColorsDialog::ResetToSystem);
  layout->addSpacing(4);
  layout->addWidget(systemButton_);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setDefault(true);
  buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addSpacing(4);
  layout->addWidget(buttons);
  ShowColors();
}

void CColorsDialog::ShowColors() {
  for (const SwatchRow& row : kRows) {
    const CSwatchLook look = SwatchLook(colors_, row.swatch);
    CColorButton* button = Swatch(row.swatch);
    button->SetFillColor(ToQColor(look.fill));
    button->SetTextColor(ToQColor(look.caption));
  }
  update();
}

void CColorsDialog::Choose(CSwatch swatch, ColorRef color) {
  SetChosenColor(colors_, swatch, color);
  ShowColors();
}

void CColorsDialog::ResetToSystem() {
  colors_ = CDisplayColors::FromSystem(system_);
  ShowColors();
}

void CColorsDialog::Pick(CSwatch swatch) {
  const QColor chosen = QColorDialog::getColor(ToQColor(ChosenColor(colors_, swatch)), this,
                                               QStringLiteral("Kolor"));
  if (!chosen.isValid()) return;  // cancelled
  Choose(swatch, FromQColor(chosen));
}

}  // namespace skrybon

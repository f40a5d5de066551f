// SPDX-License-Identifier: GPL-2.0-or-later
// The "Kolory" dialog: five swatches that preview the display colours in the
// pairings a reading window shows them in. A click on a swatch opens the
// colour chooser for its colour; "Kolory Windows" returns to the desktop's
// colours. The dialog works on a copy, taken back only on OK.
#pragma once

#include <QDialog>
#include <array>

#include "ui/color_swatches.h"

class QPushButton;

namespace skrybon {

class CColorButton;

class CColorsDialog : public QDialog {
  Q_OBJECT

 public:
  CColorsDialog(const CDisplayColors& colors, const CSystemColors& system, QWidget* parent = nullptr);

  const CDisplayColors& Colors() const { return colors_; }
  CColorButton* Swatch(CSwatch swatch) const { return swatches_[static_cast<int>(swatch)]; }
  QPushButton* SystemColorsButton() const { return systemButton_; }

  // Sets the colour a swatch chooses and repaints every swatch.
  void Choose(CSwatch swatch, ColorRef color);
  void ResetToSystem();

 private:
  void Pick(CSwatch swatch);
  void ShowColors();

  CDisplayColors colors_;
  CSystemColors system_;
  std::array<CColorButton*, 6> swatches_{};
  QPushButton* systemButton_ = nullptr;
};

}  // namespace skrybon

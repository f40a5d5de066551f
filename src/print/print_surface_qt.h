// SPDX-License-Identifier: GPL-2.0-or-later
// The page surface of a print job on a Qt paint device (a printer, a PDF
// file, the print preview): the three print fonts sized for the device's
// vertical resolution, text measured and drawn with the painter, rules in
// the thinnest black line.
#pragma once

#include <QFont>
#include <array>

#include "print/print_layout.h"

class QPainter;

namespace skrybon {

// A print font: the face asked for (the platform substitutes a face that is
// not installed) at the character height of its size on a device of dpiY.
QFont MakePrintFont(const CPrintFontSetting& font, const CPrintFontSetting& defaultFont, int dpiY);

class CQtPrintSurface : public IPrintSurface {
 public:
  CQtPrintSurface(QPainter& painter, const CPrintSettings& settings, int dpiY);

  void SelectFont(PrintFont font) override;
  Extent MeasureText(std::string_view text, int width, bool mnemonics) override;
  void DrawText(std::string_view text, const PrintRect& rect, Align align, bool wrap, bool mnemonics) override;
  void DrawRule(int left, int right, int y) override;

 private:
  QPainter& painter_;
  std::array<QFont, 3> fonts_;
};

}  // namespace skrybon

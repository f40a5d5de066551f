// SPDX-License-Identifier: GPL-2.0-or-later
// The display settings in Qt's terms: colours, the desktop's colours the
// defaults come from, and the verse font made from the stored font record.
// The stored face name is kept as it is; when the face it names cannot show
// Polish letters (as "System" on Linux) the Qt font uses a sans face that can.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "ui/display_settings.h"

namespace skrybon {

// The display colours as Qt colours.
struct CQtDisplayColors {
  QColor background;
  QColor text;
  QColor numbers;
  QColor highlightText;
  QColor highlightBackground;
  QColor foundWords;
};

inline QColor ToQColor(ColorRef c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline ColorRef FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

CSystemColors SystemColors(const QPalette& palette);

// True when the font has glyphs for all Polish letters.
bool ShowsPolish(const QFont& font);

// The family a face name is drawn with: the face itself when it shows Polish
// letters, otherwise a sans family that does.
QString DrawingFamily(const QString& faceName);

// The Qt font of a record: the height is a pixel height (its absolute value;
// 0 gives 12 pixels), weight 0 means normal, pitch and family give the style
// hint, quality the antialiasing.
QFont ToQFont(const CLogFont& font);

// The record after the font chooser returned chosen: the height converted
// back to the stored scale at pixelsPerInch, weight, italic and face from the
// choice, the Central European character set; the remaining fields stay.
CLogFont FromChosenFont(const QFont& chosen, const CLogFont& previous, int pixelsPerInch);

// The font the chooser opens with for a record.
QFont ChooserFont(const CLogFont& font, int pixelsPerInch);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/display_qt.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <cmath>

#include "ui/qt_text.h"

namespace skrybon {
namespace {

const QString kPolishLetters = QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");

QFont::StyleHint HintOf(std::uint8_t pitchAndFamily) {
  switch (pitchAndFamily & 0xF0) {
    case 0x10: return QFont::Serif;       // roman
    case 0x20: return QFont::SansSerif;   // swiss
    case 0x30: return QFont::TypeWriter;  // modern
    case 0x40: return QFont::Cursive;     // script
    case 0x50: return QFont::Decorative;
    default: return QFont::AnyStyle;
  }
}

}  // namespace

CSystemColors SystemColors(const QPalette& palette) {
  CSystemColors c;
  c.window = FromQColor(palette.color(QPalette::Active, QPalette::Base));
  c.windowText = FromQColor(palette.color(QPalette::Active, QPalette::Text));
  c.highlight = FromQColor(palette.color(QPalette::Active, QPalette::Highlight));
  c.highlightText = FromQColor(palette.color(QPalette::Active, QPalette::HighlightedText));
  return c;
}

bool ShowsPolish(const QFont& font) {
  const QFontMetrics metrics(font);
  for (const QChar c : kPolishLetters)
    if (!metrics.inFont(c)) return false;
  return true;
}

QString DrawingFamily(const QString& faceName) {
  QString result;
  const QFont asked(faceName);
  if (!faceName.isEmpty() && faceName.compare("System", Qt::CaseInsensitive) != 0 &&
      ShowsPolish(asked)) {
    result = faceName;
  } else {
    const QStringList candidates = {QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(),
                                    "DejaVu Sans", "Noto Sans", "Liberation Sans", "Arial",
                                    "Sans Serif"};
    for (const QString& family : candidates) {
      QFont f(family);
      f.setStyleHint(QFont::SansSerif);
      if (ShowsPolish(f)) {
        result = QFontInfo(f).family();
        break;
      }
    }
    if (result.isEmpty()) result = QFontInfo(QFont("Sans Serif")).family();
  }
  return result;
}

QFont ToQFont(const CLogFont& font) {
  QFont f(DrawingFamily(ToQString(font.faceName)));
  f.setStyleHint(HintOf(font.pitchAndFamily));
  const int height = font.height == 0 ? 12 : std::abs(font.height);
  f.setPixelSize(std::max(1, height));
  f.setWeight(font.weight <= 0 ? QFont::Normal
                               : static_cast<QFont::Weight>(std::clamp<int>(font.weight, 1, 1000)));
  f.setItalic(font.italic != 0);
  f.setUnderline(font.underline != 0);
  f.setStrikeOut(font.strikeOut != 0);
  f.setFixedPitch((font.pitchAndFamily & 0x03) == 1);
  switch (font.quality) {
    case 3: f.setStyleStrategy(QFont::NoAntialias); break;
    case 4:
    case 5:
    case 6: f.setStyleStrategy(QFont::PreferAntialias); break;
    default: break;
  }
  return f;
}

QFont ChooserFont(const CLogFont& font, int pixelsPerInch) {
  QFont f = ToQFont(font);
  const int chooserHeight = ChooserHeightFromStored(font.height == 0 ? -12 : font.height, pixelsPerInch);
  const double points = std::abs(chooserHeight) * 72.0 / std::max(1, pixelsPerInch);
  f.setPointSize(std::max(1, static_cast<int>(std::lround(points))));
  // Name the face's own style ("Book", "Regular"...) so the chooser selects it.
  const QString style = QFontInfo(f).styleName();
  if (!style.isEmpty()) f.setStyleName(style);
  return f;
}

CLogFont FromChosenFont(const QFont& chosen, const CLogFont& previous, int pixelsPerInch) {
  CLogFont r = previous;
  const int dpi = std::max(1, pixelsPerInch);
  int points = chosen.pointSize();
  if (points <= 0 && chosen.pixelSize() > 0) points = static_cast<int>(std::lround(chosen.pixelSize() * 72.0 / dpi));
  if (points <= 0) points = 10;
  const int chooserHeight = -MulDiv(points, dpi, 72);
  r.height = StoredHeightFromChooser(chooserHeight, dpi);
  r.width = 0;
  r.weight = chosen.weight();
  r.italic = chosen.italic() ? 1 : 0;
  r.underline = 0;
  r.strikeOut = 0;
  r.charSet = 238;
  SetFaceName(r, FromQString(chosen.family()));
  r.pitchAndFamily = static_cast<std::uint8_t>((previous.pitchAndFamily & 0xF0) |
                                               (QFontInfo(chosen).fixedPitch() ? 1 : 2));
  return r;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_surface_qt.h"

#include <QPainter>
#include <QPen>

#include "ui/qt_text.h"

namespace skrybon {
namespace {

// Room enough below any text that is measured or drawn from a top edge.
constexpr int kOpenHeight = 1 << 24;

int Flags(bool mnemonics) { return Qt::AlignTop | Qt::TextDontClip | (mnemonics ? Qt::TextShowMnemonic : 0); }

}  // namespace

QFont MakePrintFont(const CPrintFontSetting& font, const CPrintFontSetting& defaultFont, int dpiY) {
  QFont qfont(ToQString(font.face.empty() ? defaultFont.face : font.face));
  qfont.setPixelSize(std::max(1, PrinterFontHeight(PrintFontPoints(font, defaultFont), dpiY)));
  return qfont;
}

CQtPrintSurface::CQtPrintSurface(QPainter& painter, const CPrintSettings& settings, int dpiY) : painter_(painter) {
  const CPrintSettings defaults;
  fonts_[static_cast<int>(PrintFont::Header)] = MakePrintFont(settings.headerFont, defaults.headerFont, dpiY);
  fonts_[static_cast<int>(PrintFont::Body)] = MakePrintFont(settings.bodyFont, defaults.bodyFont, dpiY);
  fonts_[static_cast<int>(PrintFont::Footer)] = MakePrintFont(settings.footerFont, defaults.footerFont, dpiY);
  painter_.setPen(QPen(Qt::black, 0));
  painter_.setBackgroundMode(Qt::TransparentMode);
}

void CQtPrintSurface::SelectFont(PrintFont font) { painter_.setFont(fonts_[static_cast<int>(font)]); }

IPrintSurface::Extent CQtPrintSurface::MeasureText(std::string_view text, int width, bool mnemonics) {
  const QRect bounds = painter_.boundingRect(QRect(0, 0, std::max(width, 1), kOpenHeight),
                                             Flags(mnemonics) | Qt::AlignLeft | Qt::TextWordWrap, ToQString(text));
  return {bounds.width(), bounds.height()};
}

void CQtPrintSurface::DrawText(std::string_view text, const PrintRect& rect, Align align, bool wrap, bool mnemonics) {
  const int flags = Flags(mnemonics) | (align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                    (wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
  painter_.drawText(QRect(rect.left, rect.top, std::max(rect.Width(), 1), kOpenHeight), flags, ToQString(text));
}

void CQtPrintSurface::DrawRule(int left, int right, int y) { painter_.drawLine(left, y, right, y); }

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The printed page of selected verses, in device units of the printer: the
// margin rectangle inside the printable area, a header block (page number
// right-aligned beside the header text, a rule under both), the verse blocks
// (label right-aligned in a 40-unit column, text word-wrapped from 45 units
// on, a block never split) and a footer block (a rule, the footer text). The
// layout measures and draws through IPrintSurface, so the same code serves a
// printer, a PDF file, the preview and the tests.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "reading/citation.h"
#include "print/print_settings.h"

namespace skrybon {

struct PrintRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const PrintRect&, const PrintRect&) = default;
};

enum class PrintFont { Header, Body, Footer };

// Text measuring and drawing on one page device. Text is Windows-1250.
// With `mnemonics` "&" underlines the next character and "&&" draws one "&";
// without it every "&" is drawn as it is.
class IPrintSurface {
 public:
  struct Extent {
    int width = 0;
    int height = 0;
  };
  enum class Align { Left, Right };
  virtual ~IPrintSurface() = default;
  virtual void SelectFont(PrintFont font) = 0;
  // The extent of text word-wrapped to width in the selected font.
  virtual Extent MeasureText(std::string_view text, int width, bool mnemonics) = 0;
  // Draws text from rect's top, word-wrapped to its width (or on one line),
  // not clipped.
  virtual void DrawText(std::string_view text, const PrintRect& rect, Align align, bool wrap, bool mnemonics) = 0;
  virtual void DrawRule(int left, int right, int y) = 0;
};

// A printer font's character height in device units: points in tenths,
// scaled to the vertical resolution, truncated (10 pt at 600 dpi: 83).
int PrinterFontHeight(int points, int dpiY);

// Millimetres to device units, rounded to nearest (10 mm at 600 dpi: 236).
int MillimetresToDevice(int mm, int dpi);

// The margin rectangle: each margin measured in from the printable area.
// Margins that would leave less than a quarter of the area's width (height)
// are scaled down together so that a quarter stays.
PrintRect ApplyMargins(const PrintRect& printable, const CPrintSettings& settings, int dpiX, int dpiY);

// One page: the verse-list entries on it in print order and each block's height.
struct CPrintPage {
  struct Block {
    std::size_t entry = 0;
    int height = 0;
    friend bool operator==(const Block&, const Block&) = default;
  };
  std::vector<Block> blocks;
};

class CPrintLayout {
 public:
  static constexpr int kRuleGap = 10;      // header rule below the header block
  static constexpr int kBodyGap = 35;      // body below header top / above footer area
  static constexpr int kFooterRule = 25;   // footer rule below the footer area's top
  static constexpr int kLabelRight = 40;   // label column width
  static constexpr int kTextLeft = 45;     // verse text start
  static constexpr int kBlockPadding = 5;  // added to each block's text height

  CPrintLayout(const CPrintSettings& settings, const CPrintVerseList& list);

  // Measures the header and footer and divides the verses into pages for a
  // device whose printable area is (0, 0, width, height). There is always at
  // least one page; a block starts a new page only when the page in hand
  // already holds one, so a block taller than the body area gets a page of
  // its own and runs past the body's bottom.
  void Paginate(IPrintSurface& surface, const PrintRect& printable, int dpiX, int dpiY);
  int PageCount() const { return static_cast<int>(pages_.size()); }
  const std::vector<CPrintPage>& Pages() const { return pages_; }
  int HeaderHeight() const { return headerHeight_; }
  int FooterHeight() const { return footerHeight_; }

  // Draws page (1-based) of the layout, its number shown of PageCount().
  void DrawPage(IPrintSurface& surface, int page) const;

 private:
  IPrintSurface::Extent DrawHeader(IPrintSurface& surface, int page, int count, bool measureOnly) const;
  int DrawFooter(IPrintSurface& surface, int top, bool measureOnly) const;

  const CPrintSettings& settings_;
  const CPrintVerseList& list_;
  PrintRect margins_;
  int headerHeight_ = 0;
  int footerHeight_ = 0;
  std::vector<CPrintPage> pages_;
};

// The pages a job prints, in order, for the print dialog's from-page and
// to-page (each held to 1..pageCount): from 4 to 2 prints 4, 3, 2.
std::vector<int> JobPages(int fromPage, int toPage, int pageCount);

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_layout.h"

#include <algorithm>
#include <cstdint>

#include "print/print_text.h"

namespace skrybon {
namespace {

// Lowers the two margins of one direction together so that at least a
// quarter of the length stays between them.
void KeepAQuarter(int length, int& first, int& second) {
  const int keep = std::max(length, 0) / 4;
  if (length - first - second >= keep) return;
  const std::int64_t room = std::max(length - keep, 0);
  const std::int64_t total = static_cast<std::int64_t>(first) + second;
  first = static_cast<int>(room * first / total);
  second = static_cast<int>(room * second / total);
}

}  // namespace

int PrinterFontHeight(int points, int dpiY) {
  return static_cast<int>(static_cast<std::int64_t>(points) * 10 * dpiY / 720);
}

int MillimetresToDevice(int mm, int dpi) {
  const std::int64_t scaled = static_cast<std::int64_t>(mm) * 100 * dpi;
  const std::int64_t rounded = scaled >= 0 ? (scaled + 1270) / 2540 : -((-scaled + 1270) / 2540);
  return static_cast<int>(rounded);
}

PrintRect ApplyMargins(const PrintRect& printable, const CPrintSettings& settings, int dpiX, int dpiY) {
  int left = MillimetresToDevice(std::max(settings.marginLeft, 0), dpiX);
  int right = MillimetresToDevice(std::max(settings.marginRight, 0), dpiX);
  int top = MillimetresToDevice(std::max(settings.marginTop, 0), dpiY);
  int bottom = MillimetresToDevice(std::max(settings.marginBottom, 0), dpiY);
  KeepAQuarter(printable.Width(), left, right);
  KeepAQuarter(printable.Height(), top, bottom);
  return {printable.left + left, printable.top + top, printable.right - right, printable.bottom - bottom};
}

CPrintLayout::CPrintLayout(const CPrintSettings& settings, const CPrintVerseList& list)
    : settings_(settings), list_(list) {}

IPrintSurface::Extent CPrintLayout::DrawHeader(IPrintSurface& surface, int page, int count, bool measureOnly) const {
  const PrintRect& r = margins_;
  IPrintSurface::Extent block;
  if (!settings_.pageNumberFormat.empty()) {
    const std::string number = FormatPageNumber(settings_.pageNumberFormat, page, count);
    block = surface.MeasureText(number, r.Width(), true);
    // Drawn right-aligned over the whole width, its right edge lies on the margin.
    if (!measureOnly)
      surface.DrawText(number, {r.left, r.top, r.right, r.top + block.height}, IPrintSurface::Align::Right, true,
                       true);
  }
  if (!settings_.headerText.empty()) {
    const std::string text = FormatHeaderText(settings_.headerText, list_.Description());
    const int width = std::max(r.Width() - block.width, 1);
    const IPrintSurface::Extent extent = surface.MeasureText(text, width, true);
    if (!measureOnly)
      surface.DrawText(text, {r.left, r.top, r.left + width, r.top + extent.height}, IPrintSurface::Align::Left,
                       true, true);
    block.height = std::max(block.height, extent.height);
  }
  if (!measureOnly) surface.DrawRule(r.left, r.right, r.top + headerHeight_ + kRuleGap);
  return block;
}

int CPrintLayout::DrawFooter(IPrintSurface& surface, int top, bool measureOnly) const {
  const PrintRect& r = margins_;
  if (!measureOnly) surface.DrawRule(r.left, r.right, top + kFooterRule);
  if (settings_.footerText.empty()) return 0;
  const IPrintSurface::Extent extent = surface.MeasureText(settings_.footerText, r.Width(), true);
  if (!measureOnly)
    surface.DrawText(settings_.footerText, {r.left, top + kBodyGap, r.right, top + kBodyGap + extent.height},
                     IPrintSurface::Align::Left, true, true);
  return extent.height + kBlockPadding;
}

void CPrintLayout::Paginate(IPrintSurface& surface, const PrintRect& printable, int dpiX, int dpiY) {
  margins_ = ApplyMargins(printable, settings_, dpiX, dpiY);
  surface.SelectFont(PrintFont::Header);
  headerHeight_ = 0;
  headerHeight_ = DrawHeader(surface, 0, 0, true).height;
  surface.SelectFont(PrintFont::Footer);
  footerHeight_ = DrawFooter(surface, 0, true);

  surface.SelectFont(PrintFont::Body);
  const int lineHeight = surface.MeasureText("X", margins_.Width(), false).height;
  const int available = (margins_.bottom - kBodyGap - footerHeight_) - (margins_.top + headerHeight_ + kBodyGap);
  const int textWidth = std::max(margins_.Width() - kTextLeft, 1);

  pages_.assign(1, {});
  int y = 0;
  const auto& entries = list_.Entries();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int textHeight = surface.MeasureText(entries[i].text, textWidth, false).height;
    const int block = std::max(textHeight, lineHeight) + kBlockPadding;
    // DrawPage gives each block a rectangle one unit taller than the block.
    y += block + 1;
    if (y >= available && !pages_.back().blocks.empty()) {
      pages_.emplace_back();
      y = block + 1;
    }
    pages_.back().blocks.push_back({i, block});
  }
}

void CPrintLayout::DrawPage(IPrintSurface& surface, int page) const {
  if (page < 1 || page > PageCount()) return;
  surface.SelectFont(PrintFont::Header);
  DrawHeader(surface, page, PageCount(), false);

  surface.SelectFont(PrintFont::Body);
  int y = margins_.top + headerHeight_ + kBodyGap;
  const auto& entries = list_.Entries();
  for (const CPrintPage::Block& block : pages_[static_cast<std::size_t>(page - 1)].blocks) {
    const auto& entry = entries[block.entry];
    const int bottom = y + block.height + 1;
    surface.DrawText(entry.label, {margins_.left, y, margins_.left + kLabelRight, bottom},
                     IPrintSurface::Align::Right, false, false);
    surface.DrawText(entry.text, {margins_.left + kTextLeft, y, margins_.right, bottom}, IPrintSurface::Align::Left,
                     true, false);
    y = bottom;
  }

  surface.SelectFont(PrintFont::Footer);
  DrawFooter(surface, margins_.bottom - footerHeight_ - kBodyGap, false);
}

std::vector<int> JobPages(int fromPage, int toPage, int pageCount) {
  std::vector<int> pages;
  if (pageCount < 1) return pages;
  const int start = std::clamp(fromPage, 1, pageCount);
  const int end = std::clamp(toPage, 1, pageCount);
  const int step = end >= start ? 1 : -1;
  for (int page = start; page != end + step; page += step) pages.push_back(page);
  return pages;
}

}  // namespace skrybon

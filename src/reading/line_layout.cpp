// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/line_layout.h"

#include <algorithm>

namespace skrybon {
namespace {

// Places the words first..first+count-1 of a broken line, stretched to the area.
void PlaceJustified(std::span<const int> widths, std::size_t first, std::size_t count, int line, int left,
                    int right, std::vector<PlacedWord>& out) {
  if (count == 0) return;
  int sum = 0;
  for (std::size_t i = first; i < first + count; ++i) sum += widths[i];
  const int k = static_cast<int>(count);
  const int free = (right - left) - sum;
  int step = free / k;
  if (free % k > k / 2) ++step;
  int x = left;
  for (std::size_t i = first; i + 1 < first + count; ++i) {
    out.push_back({i, x, line});
    x += widths[i] + step;
  }
  const std::size_t last = first + count - 1;
  out.push_back({last, std::max(left, right - widths[last]), line});
}

// Places the words of the last (or only) line with the plain gap.
void PlaceLeftAligned(std::span<const int> widths, std::size_t first, std::size_t count, int gap, int line,
                      int left, std::vector<PlacedWord>& out) {
  int x = left;
  for (std::size_t i = first; i < first + count; ++i) {
    out.push_back({i, x, line});
    x += widths[i] + gap;
  }
}

}  // namespace

VerseLayout LayOutWords(std::span<const int> widths, const LineMetrics& metrics, int left, int right) {
  VerseLayout layout;
  layout.lineHeight = metrics.lineHeight;
  layout.words.reserve(widths.size());
  const int limit = (right - left) - 5;
  int line = 0;
  std::size_t first = 0;  // first word of the current line
  std::size_t count = 0;  // words on the current line
  int sum = 0;            // their widths
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const int w = widths[i];
    if (metrics.gap * static_cast<int>(count) + w + sum >= limit) {
      PlaceJustified(widths, first, count, line, left, right, layout.words);
      ++line;
      first = i;
      count = 0;
      sum = 0;
    }
    ++count;
    sum += w;
  }
  PlaceLeftAligned(widths, first, count, metrics.gap, line, left, layout.words);
  layout.lines = line + 1;
  layout.height = layout.lines * metrics.lineHeight;
  return layout;
}

VerseLayout LayOutVerse(std::span<const std::string> words, const ITextMeasurer& measurer, int left,
                        int right) {
  const ITextMeasurer::Extent x = measurer.Measure("x");
  std::vector<int> widths;
  widths.reserve(words.size());
  for (const std::string& word : words) widths.push_back(measurer.Measure(word).width);
  return LayOutWords(widths, {x.width, x.height}, left, right);
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// Word wrapping and justification of one verse. A verse is a list of words;
// the layout breaks it into lines no wider than the text area and places every
// word: broken lines are stretched so that their last word ends on the right
// edge, the last line (or a verse of one line) is set left-aligned with a gap
// of one "x" between words. The same layout serves measuring and drawing.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skrybon {

// Measures Windows-1250 text in the font the verse is drawn with.
class ITextMeasurer {
 public:
  struct Extent {
    int width = 0;
    int height = 0;
  };
  virtual ~ITextMeasurer() = default;
  virtual Extent Measure(std::string_view text) const = 0;
};

// One word placed by the layout: word index in the verse, left edge, line number.
struct PlacedWord {
  std::size_t word = 0;
  int x = 0;
  int line = 0;
  friend bool operator==(const PlacedWord&, const PlacedWord&) = default;
};

struct VerseLayout {
  int lines = 1;       // lines used, at least one
  int lineHeight = 0;  // height of "x"
  int height = 0;      // lines * lineHeight
  std::vector<PlacedWord> words;
};

// The metrics the layout needs: gap between words = width of "x", line height
// = height of "x"; widths[i] = width of word i.
struct LineMetrics {
  int gap = 0;
  int lineHeight = 0;
};

// Lays out words of the given widths in the text area from left to right.
// A line is full when gap * k + w + S >= (right - left) - 5 for a next word
// of width w after k words summing to S. A word that alone reaches that limit
// at the start of the verse leaves the first line empty. A broken line is
// justified: step = R / k rounded as R % k > k / 2, with R the free width and
// k the word count; its last word ends at `right` (a word wider than the area
// starts at `left` instead of running out to the left).
VerseLayout LayOutWords(std::span<const int> widths, const LineMetrics& metrics, int left, int right);

// Measures the words with the measurer and lays them out as above.
VerseLayout LayOutVerse(std::span<const std::string> words, const ITextMeasurer& measurer, int left,
                        int right);

}  // namespace skrybon

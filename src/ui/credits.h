// SPDX-License-Identifier: GPL-2.0-or-later
// The credits text of the About box and the state of its endless upward
// scroll. A line's last character chooses its look: a tab gives heading
// style 1, character 10 style 2, character 13 style 3, '^' makes the rest of
// the line the name of a picture; any other line is normal text. Each tick
// exposes one more pixel row of the current line; a line is done when its
// pixel counter reaches its height, and after the last line the first comes
// again.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace skrybon {

enum class CCreditStyle { Heading1 = 1, Heading2 = 2, Heading3 = 3, Normal = 4, Picture = 5 };

struct CCreditLine {
  CCreditStyle style = CCreditStyle::Normal;
  std::string text;  // without the style character; for a picture, its name
};

CCreditLine ParseCreditLine(std::string_view line);
std::vector<std::string> SplitCredits(std::string_view text, char separator);

// Font heights in pixels of styles 1, 2, 3 and normal text.
inline constexpr int kCreditHeights[4] = {21, 19, 17, 14};
int CreditFontHeight(CCreditStyle style);

class CCreditsScroll {
 public:
  // heightOf answers the pixel height of a line (its font's, or its picture's).
  using HeightOf = std::function<int(const CCreditLine&)>;

  void SetLines(std::vector<std::string> lines);
  void Reset();
  bool Empty() const { return lines_.empty(); }

  // One tick: advances the pixel counter, moving to the next line (and from
  // the last to the first) when the counter reaches the line's height.
  // Answers the row of the current line that the tick exposes.
  int Tick(const HeightOf& heightOf);

  const CCreditLine& Current() const { return lines_[current_]; }
  std::size_t CurrentIndex() const { return current_; }
  int Counter() const { return counter_; }
  bool FirstPass() const { return firstPass_; }
  const std::vector<CCreditLine>& Lines() const { return lines_; }

 private:
  std::vector<CCreditLine> lines_;
  std::size_t current_ = 0;
  int counter_ = 1;
  bool firstPass_ = true;
};

}  // namespace skrybon

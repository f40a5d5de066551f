// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/credits.h"

namespace skrybon {

CCreditLine ParseCreditLine(std::string_view line) {
  if (line.empty()) return {CCreditStyle::Normal, ""};
  const std::string rest(line.substr(0, line.size() - 1));
  switch (line.back()) {
    case '\t': return {CCreditStyle::Heading1, rest};
    case '\n': return {CCreditStyle::Heading2, rest};
    case '\r': return {CCreditStyle::Heading3, rest};
    case '^': return {CCreditStyle::Picture, rest};
    default: return {CCreditStyle::Normal, std::string(line)};
  }
}

std::vector<std::string> SplitCredits(std::string_view text, char separator) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

int CreditFontHeight(CCreditStyle style) {
  switch (style) {
    case CCreditStyle::Heading1: return kCreditHeights[0];
    case CCreditStyle::Heading2: return kCreditHeights[1];
    case CCreditStyle::Heading3: return kCreditHeights[2];
    default: return kCreditHeights[3];
  }
}

void CCreditsScroll::SetLines(std::vector<std::string> lines) {
  lines_.clear();
  for (const std::string& line : lines) lines_.push_back(ParseCreditLine(line));
  Reset();
}

void CCreditsScroll::Reset() {
  current_ = 0;
  counter_ = 1;
  firstPass_ = true;
}

int CCreditsScroll::Tick(const HeightOf& heightOf) {
  if (lines_.empty()) return 0;
  ++counter_;
  if (counter_ >= heightOf(lines_[current_])) {
    counter_ = 1;
    if (++current_ >= lines_.size()) {
      current_ = 0;
      firstPass_ = false;
    }
    return 0;
  }
  return counter_ - 1;
}

}  // namespace skrybon

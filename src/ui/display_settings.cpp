// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/display_settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace skrybon {
namespace {

constexpr std::string_view kFontHeight = "Font height";
constexpr std::string_view kCharacterSet = "Character set";
constexpr std::string_view kFaceName = "Font face name";
constexpr std::string_view kOutPrecision = "Font out precision";
constexpr std::string_view kClipPrecision = "Font clip precision";
constexpr std::string_view kQuality = "Font quality";
constexpr std::string_view kPitch = "Font pitch";
constexpr std::string_view kTextColor = "Wnd text color";
constexpr std::string_view kWindowColor = "Wnd color";
constexpr std::string_view kNumberColor = "Number color";
constexpr std::string_view kHighlightTextColor = "Highlight text color";
constexpr std::string_view kHighlightColor = "Highlight background color";
constexpr std::string_view kFoundWordsColor = "Found words color";
constexpr std::string_view kHighlightFoundWords = "Highlight found words";

int ReadInt(const CProfile& profile, std::string_view key, int fallback) {
  return GetProfileSetting(profile, kDisplaySection, key).value_or(fallback);
}

std::uint8_t ReadByte(const CProfile& profile, std::string_view key, int fallback) {
  return static_cast<std::uint8_t>(ReadInt(profile, key, fallback) & 0xFF);
}

ColorRef ReadColor(const CProfile& profile, std::string_view key, ColorRef fallback) {
  return static_cast<ColorRef>(ReadInt(profile, key, static_cast<int>(fallback)));
}

}  // namespace

void SetFaceName(CLogFont& font, std::string_view name) {
  font.faceName = std::string(name.substr(0, std::min(name.size(), CLogFont::kMaxFaceName)));
}

CDisplayColors CDisplayColors::FromSystem(const CSystemColors& system) {
  return CDisplayColors{system.window, system.windowText, system.windowText, system.highlightText,
                        system.highlight, kDefaultFoundWordsColor};
}

CDisplaySettings CDisplaySettings::Defaults(const CSystemColors& system) {
  CDisplaySettings s;
  s.font.height = -10;
  s.font.charSet = 238;
  s.font.faceName = "System";
  s.font.outPrecision = 4;
  s.font.clipPrecision = 0;
  s.font.quality = 2;
  s.font.pitchAndFamily = 34;
  s.colors = CDisplayColors::FromSystem(system);
  return s;
}

CDisplaySettings CDisplaySettings::Load(const CProfile& profile, const CSystemColors& system) {
  const CDisplaySettings d = Defaults(system);
  CDisplaySettings s = d;
  // An edited or damaged profile must not ask for a font of millions of
  // pixels (nor one whose magnitude does not fit an int).
  s.font.height = std::clamp(ReadInt(profile, kFontHeight, d.font.height), -CLogFont::kMaxHeight,
                             CLogFont::kMaxHeight);
  s.font.charSet = ReadByte(profile, kCharacterSet, d.font.charSet);
  const std::string face = profile.GetProfileString(kDisplaySection, kFaceName, "");
  SetFaceName(s.font, face.empty() ? d.font.faceName : face);
  s.font.outPrecision = ReadByte(profile, kOutPrecision, d.font.outPrecision);
  s.font.clipPrecision = ReadByte(profile, kClipPrecision, d.font.clipPrecision);
  s.font.quality = ReadByte(profile, kQuality, d.font.quality);
  s.font.pitchAndFamily = ReadByte(profile, kPitch, d.font.pitchAndFamily);
  s.colors.text = ReadColor(profile, kTextColor, d.colors.text);
  s.colors.background = ReadColor(profile, kWindowColor, d.colors.background);
  s.colors.numbers = ReadColor(profile, kNumberColor, d.colors.numbers);
  s.colors.highlightText = ReadColor(profile, kHighlightTextColor, d.colors.highlightText);
  s.colors.highlightBackground = ReadColor(profile, kHighlightColor, d.colors.highlightBackground);
  s.colors.foundWords = ReadColor(profile, kFoundWordsColor, d.colors.foundWords);
  s.highlightFoundWords = ReadInt(profile, kHighlightFoundWords, 1) != 0;
  return s;
}

namespace {

// Pure yellow, RGB(255, 255, 0), is the value 65535, which the profile's rule
// reads back as a missing key: it would turn into the default colour at the
// next start. It is written as RGB(255, 255, 1) instead, which reads back as
// itself and which nobody can tell from pure yellow on screen. The rule for
// reading stays as it is, for the profiles already stored.
ColorRef StorableColor(ColorRef color) {
  return color == static_cast<ColorRef>(kProfileMissing) ? Rgb(255, 255, 1) : color;
}

}  // namespace

void CDisplaySettings::Store(CProfile& profile) const {
  const auto put = [&profile](std::string_view key, long long value) {
    profile.SetProfileInt(kDisplaySection, key, static_cast<int>(value));
  };
  const auto putColor = [&put](std::string_view key, ColorRef color) { put(key, StorableColor(color)); };
  put(kFontHeight, font.height);
  put(kCharacterSet, font.charSet);
  profile.SetProfileString(kDisplaySection, kFaceName, font.faceName);
  put(kOutPrecision, font.outPrecision);
  put(kClipPrecision, font.clipPrecision);
  put(kQuality, font.quality);
  put(kPitch, font.pitchAndFamily);
  putColor(kTextColor, colors.text);
  putColor(kWindowColor, colors.background);
  putColor(kNumberColor, colors.numbers);
  putColor(kHighlightTextColor, colors.highlightText);
  putColor(kHighlightColor, colors.highlightBackground);
  putColor(kFoundWordsColor, colors.foundWords);
  put(kHighlightFoundWords, highlightFoundWords ? 1 : 0);
}

int ZoomedFontHeight(int height, int direction) {
  static constexpr int kSizes[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
  const int size = height == 0 ? 12 : std::abs(height);
  int next = size;
  if (direction > 0) {
    const auto* it = std::upper_bound(std::begin(kSizes), std::end(kSizes), size);
    if (it != std::end(kSizes)) next = *it;
  } else if (direction < 0) {
    const auto* it = std::lower_bound(std::begin(kSizes), std::end(kSizes), size);
    if (it != std::begin(kSizes)) next = *(it - 1);
  }
  if (next == size) return height;
  return height > 0 ? next : -next;
}

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t num = product < 0 ? -product : product;
  const std::int64_t den = c < 0 ? -static_cast<std::int64_t>(c) : c;
  std::int64_t q = (num + den / 2) / den;
  if (negative) q = -q;
  if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min()) return -1;
  return static_cast<int>(q);
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "print/print_settings.h"

#include <algorithm>

namespace skrybon {
namespace {

constexpr char kMarginLeft[] = "Margin-Left";
constexpr char kMarginTop[] = "Margin-Top";
constexpr char kMarginRight[] = "Margin-Right";
constexpr char kMarginBottom[] = "Margin-Bottom";
constexpr char kHeaderFontName[] = "Header Font Name";
constexpr char kHeaderFontSize[] = "Header Font Size";
constexpr char kHeaderText[] = "Header Text";
constexpr char kPageFontName[] = "Page Font Name";
constexpr char kPageFontSize[] = "Page Font Size";
constexpr char kPageNumberFormat[] = "Page Number Format";
constexpr char kFooterFontName[] = "Footer Font Name";
constexpr char kFooterFontSize[] = "Footer Font Size";
constexpr char kFooterText[] = "Footer Text";

int ReadInt(const CProfile& profile, const char* key, int defaultValue, int lowest, int highest) {
  return std::clamp(GetProfileSetting(profile, kPrintSettingsSection, key).value_or(defaultValue), lowest, highest);
}

std::string ReadString(const CProfile& profile, const char* key, const std::string& defaultValue) {
  return profile.GetProfileString(kPrintSettingsSection, key, defaultValue);
}

// The first `lines` lines of text, at most `length` characters in all.
void HoldText(std::string& text, std::size_t length, std::size_t lines) {
  std::size_t end = 0;
  for (std::size_t line = 0; line < lines && end < text.size(); ++line) {
    end = text.find('\n', end);
    if (end == std::string::npos) end = text.size();
    else if (line + 1 < lines) ++end;
  }
  text.resize(std::min({end, length, text.size()}));
}

}  // namespace

void HoldToPrintLimits(CPrintSettings& s) {
  for (CPrintFontSetting* font : {&s.headerFont, &s.bodyFont, &s.footerFont})
    font->face.resize(std::min(font->face.size(), kMaxFaceName));
  HoldText(s.headerText, kMaxPrintText, kMaxPrintLines);
  s.pageNumberFormat.resize(std::min(s.pageNumberFormat.size(), kMaxPrintText));
  HoldText(s.footerText, kMaxPrintText, kMaxPrintLines);
}

int PrintFontPoints(const CPrintFontSetting& font, const CPrintFontSetting& defaultFont) {
  return font.size > 0 ? std::min(font.size, kMaxFontSize) : defaultFont.size;
}

CPrintSettings LoadPrintSettings(const CProfile& profile) {
  const CPrintSettings d;
  CPrintSettings s;
  s.marginLeft = ReadInt(profile, kMarginLeft, d.marginLeft, 0, kMaxMargin);
  s.marginTop = ReadInt(profile, kMarginTop, d.marginTop, 0, kMaxMargin);
  s.marginRight = ReadInt(profile, kMarginRight, d.marginRight, 0, kMaxMargin);
  s.marginBottom = ReadInt(profile, kMarginBottom, d.marginBottom, 0, kMaxMargin);
  s.headerFont.face = ReadString(profile, kHeaderFontName, d.headerFont.face);
  s.headerFont.size = ReadInt(profile, kHeaderFontSize, d.headerFont.size, 0, kMaxFontSize);
  s.headerText = UnescapeProfileText(ReadString(profile, kHeaderText, d.headerText));
  s.bodyFont.face = ReadString(profile, kPageFontName, d.bodyFont.face);
  s.bodyFont.size = ReadInt(profile, kPageFontSize, d.bodyFont.size, 0, kMaxFontSize);
  s.pageNumberFormat = ReadString(profile, kPageNumberFormat, d.pageNumberFormat);
  s.footerFont.face = ReadString(profile, kFooterFontName, d.footerFont.face);
  s.footerFont.size = ReadInt(profile, kFooterFontSize, d.footerFont.size, 0, kMaxFontSize);
  s.footerText = UnescapeProfileText(ReadString(profile, kFooterText, d.footerText));
  HoldToPrintLimits(s);
  return s;
}

bool SavePrintSettings(CProfile& profile, const CPrintSettings& s) {
  const auto put = [&](const char* key, std::string_view value) {
    profile.SetProfileString(kPrintSettingsSection, key, value);
  };
  const auto putInt = [&](const char* key, int value) { profile.SetProfileInt(kPrintSettingsSection, key, value); };
  putInt(kMarginLeft, s.marginLeft);
  putInt(kMarginTop, s.marginTop);
  putInt(kMarginRight, s.marginRight);
  putInt(kMarginBottom, s.marginBottom);
  put(kHeaderFontName, s.headerFont.face);
  putInt(kHeaderFontSize, s.headerFont.size);
  put(kHeaderText, EscapeProfileText(s.headerText));
  put(kPageFontName, s.bodyFont.face);
  putInt(kPageFontSize, s.bodyFont.size);
  // One line in the dialog: a line break pasted into it is not kept.
  std::string format = s.pageNumberFormat;
  std::replace_if(format.begin(), format.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  put(kPageNumberFormat, format);
  put(kFooterFontName, s.footerFont.face);
  putInt(kFooterFontSize, s.footerFont.size);
  put(kFooterText, EscapeProfileText(s.footerText));
  // All thirteen keys reach the file in one write.
  return profile.Flush();
}

std::string EscapeProfileText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\r') {
      out += "\\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string UnescapeProfileText(std::string_view stored) {
  std::string out;
  out.reserve(stored.size());
  for (std::size_t i = 0; i < stored.size(); ++i) {
    const char c = stored[i];
    const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
    if (c == '\\' && next == 'n') {
      out += '\n';
      ++i;
    } else if (c == '\\' && next == '\\') {
      out += '\\';
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/last_session.h"

#include <algorithm>
#include <charconv>

namespace skrybon {
namespace {

constexpr std::string_view kRestoreKey = "Restore";
constexpr std::string_view kCountKey = "Windows";
constexpr std::string_view kActiveKey = "Active window";
constexpr std::string_view kShowNames[] = {"normal", "maximized", "minimized"};

std::string WindowKey(int n) { return "Window " + std::to_string(n); }

// The text split at commas.
std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t comma = text.find(',', start);
    fields.push_back(text.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
    if (comma == std::string_view::npos) return fields;
    start = comma + 1;
  }
}

std::optional<int> Number(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

std::string FormatSessionWindow(const CSessionWindow& w) {
  std::string text(TranslationCode(w.translation));
  text += w.comparison ? ",comparison" : ",translation";
  for (const int n : {w.place.book, w.place.chapter, w.place.verse, w.top, w.geometry.x, w.geometry.y,
                      w.geometry.width, w.geometry.height})
    text += "," + std::to_string(n);
  text += ",";
  text += kShowNames[static_cast<int>(w.show)];
  text += ",";
  for (std::size_t i = 0; i < w.selected.size(); ++i) {
    if (i > 0) text += ' ';
    text += std::to_string(w.selected[i]);
  }
  return text;
}

std::optional<CSessionWindow> ParseSessionWindow(std::string_view text) {
  const std::vector<std::string_view> f = Fields(text);
  if (f.size() != 12) return std::nullopt;
  CSessionWindow w;
  const auto translation = TranslationFromCode(f[0]);
  if (!translation) return std::nullopt;
  w.translation = *translation;
  if (f[1] != "translation" && f[1] != "comparison") return std::nullopt;
  w.comparison = f[1] == "comparison";
  int* const numbers[] = {&w.place.book,    &w.place.chapter,  &w.place.verse,    &w.top,
                          &w.geometry.x, &w.geometry.y,   &w.geometry.width, &w.geometry.height};
  for (std::size_t i = 0; i < std::size(numbers); ++i) {
    const auto n = Number(f[2 + i]);
    if (!n) return std::nullopt;
    *numbers[i] = *n;
  }
  const auto* show = std::find(std::begin(kShowNames), std::end(kShowNames), f[10]);
  if (show == std::end(kShowNames)) return std::nullopt;
  w.show = static_cast<CSessionShow>(show - std::begin(kShowNames));
  std::string_view rest = f[11];
  while (!rest.empty()) {
    const std::size_t blank = rest.find(' ');
    if (const auto n = Number(rest.substr(0, blank))) w.selected.push_back(*n);
    else if (!rest.substr(0, blank).empty()) return std::nullopt;
    if (blank == std::string_view::npos) break;
    rest.remove_prefix(blank + 1);
  }
  return w;
}

bool LoadSessionOption(const CProfile& profile) {
  return profile.GetProfileInt(kSessionSection, kRestoreKey, 0) != 0;
}

CLastSession LoadSession(const CProfile& profile) {
  CLastSession session;
  const int count = std::clamp(profile.GetProfileInt(kSessionSection, kCountKey, 0), 0, kMaxSessionWindows);
  const int active = profile.GetProfileInt(kSessionSection, kActiveKey, 0);
  for (int n = 1; n <= count; ++n) {
    const auto window = ParseSessionWindow(profile.GetProfileString(kSessionSection, WindowKey(n)));
    if (!window) continue;
    if (n == active) session.active = static_cast<int>(session.windows.size());
    session.windows.push_back(*window);
  }
  return session;
}

void StoreSession(CProfile& profile, bool restore, const CLastSession& session) {
  profile.SetProfileInt(kSessionSection, kRestoreKey, restore ? 1 : 0);
  if (!restore) return;
  const int count = std::min(static_cast<int>(session.windows.size()), kMaxSessionWindows);
  profile.SetProfileInt(kSessionSection, kCountKey, count);
  const bool hasActive = session.active >= 0 && session.active < count;
  profile.SetProfileInt(kSessionSection, kActiveKey, hasActive ? session.active + 1 : 0);
  for (int i = 0; i < count; ++i)
    profile.SetProfileString(kSessionSection, WindowKey(i + 1),
                             FormatSessionWindow(session.windows[static_cast<std::size_t>(i)]));
}

std::optional<CSessionWindow> HoldSessionWindow(CSessionWindow w, const CTranslationIndex& index, int areaWidth,
                                                int areaHeight, int minWidth, int minHeight) {
  const VerseIndex& books = index.Index();
  if (books.empty()) return std::nullopt;
  VerseRef& p = w.place;
  p.book = std::clamp(p.book, 0, static_cast<int>(books.size()) - 1);
  p.chapter = std::clamp(p.chapter, 0, std::max(0, index.GetChapterCount(p.book) - 1));
  const int verses = index.GetVerseCount(p.book, p.chapter);
  p.verse = std::clamp(p.verse, 0, std::max(0, verses - 1));
  w.top = std::clamp(w.top, 0, std::max(0, verses - 1));
  std::erase_if(w.selected, [verses](int v) { return v < 0 || v >= verses; });
  std::sort(w.selected.begin(), w.selected.end());
  w.selected.erase(std::unique(w.selected.begin(), w.selected.end()), w.selected.end());

  CascadeRect& g = w.geometry;
  g.width = std::clamp(g.width, minWidth, std::max(minWidth, areaWidth));
  g.height = std::clamp(g.height, minHeight, std::max(minHeight, areaHeight));
  g.x = std::clamp(g.x, 0, std::max(0, areaWidth - g.width));
  g.y = std::clamp(g.y, 0, std::max(0, areaHeight - g.height));
  return w;
}

}  // namespace skrybon

// SPDX-License-Identifier: GPL-2.0-or-later
// The reading windows the program left open, as the profile section
// "Last Session" keeps them for the next start: "Restore" (the option, 0 or
// 1), "Windows" (how many), "Active window" (1-based, 0 for none) and one key
// "Window N" per window in creation order:
//   Window 1=BW,comparison,18,22,0,0,10,20,400,300,normal,0 1 2
// that is translation code, kind ("translation" or "comparison"), book,
// chapter, verse, top verse (all 0-based as the program counts), left, top,
// width and height within the window area, "normal", "maximized" or
// "minimized", and the selected verses. A damaged key is skipped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/translation.h"
#include "data/verse_index.h"
#include "reading/window_cascade.h"
#include "ui/profile.h"

namespace skrybon {

inline constexpr std::string_view kSessionSection = "Last Session";

enum class CSessionShow { Normal, Maximized, Minimized };


struct CSessionWindow {
  TranslationId translation = TranslationId::BG;
  bool comparison = false;
  VerseRef place;
  int top = 0;
  CascadeRect geometry;  // within the window area
  CSessionShow show = CSessionShow::Normal;
  std::vector<int> selected;  // ascending
  friend bool operator==(const CSessionWindow&, const CSessionWindow&) = default;
};

struct CLastSession {
  std::vector<CSessionWindow> windows;
  int active = -1;  // index into windows, -1 for none
};

// The text of a "Window N" key and back; nullopt for a damaged one.
std::string FormatSessionWindow(const CSessionWindow& window);
std::optional<CSessionWindow> ParseSessionWindow(std::string_view text);

// "Restore" (missing: off).
bool LoadSessionOption(const CProfile& profile);
// Reads at most kMaxSessionWindows windows; damaged ones are left out (and
// the active index follows the ones kept).
inline constexpr int kMaxSessionWindows = 100;
CLastSession LoadSession(const CProfile& profile);
// Sets "Restore" and, when it is on, the windows; the profile's Flush writes them.
void StoreSession(CProfile& profile, bool restore, const CLastSession& session);

// The window held to what the translation's index has (book, chapter, verse,
// top verse and selection) and its rectangle held to an area of the given
// size, at least minWidth x minHeight; nullopt when the translation has no
// index (it was not loaded).
std::optional<CSessionWindow> HoldSessionWindow(CSessionWindow window, const CTranslationIndex& index,
                                                int areaWidth, int areaHeight, int minWidth, int minHeight);

}  // namespace skrybon

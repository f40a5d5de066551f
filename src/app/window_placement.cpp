// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/window_placement.h"

#include <algorithm>
#include <array>

namespace skrybon {

CPlacementRect LoadPlacement(CProfile& profile, int screenWidth, int screenHeight) {
  const CPlacementRect defaults;
  CPlacementRect r;
  const std::array<std::pair<std::string_view, int*>, 4> keys = {{
      {"Left", &r.left}, {"Top", &r.top}, {"Width", &r.width}, {"Height", &r.height}}};
  const std::array<int, 4> fallback = {defaults.left, defaults.top, defaults.width, defaults.height};
  bool missing = false;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const auto stored = GetProfileSetting(profile, kPlacementSection, keys[i].first);
    if (stored) {
      *keys[i].second = *stored;
    } else {
      *keys[i].second = fallback[i];
      profile.SetProfileInt(kPlacementSection, keys[i].first, fallback[i]);
      missing = true;
    }
  }
  // A profile that cannot be written is not reported: the window opens all
  // the same. Nor does it wait for another copy that holds the profile: the
  // close writes these keys again.
  if (missing) (void)profile.Flush(std::chrono::milliseconds(0));
  // Whether or not some keys were missing, a window that would lie wholly off
  // the screen (or have no size) is never shown there: nobody could reach it.
  // Overlap test in 64 bits: stored numbers may be anything.
  const long long right = static_cast<long long>(r.left) + r.width;
  const long long bottom = static_cast<long long>(r.top) + r.height;
  const bool overlaps = r.left < screenWidth - 10 && right > 0 && r.top < screenHeight - 10 &&
                        bottom > 0 && r.width > 0 && r.height > 0;
  if (!overlaps) r = defaults;
  return r;
}

namespace {

long long Overlap(long long start, long long size, long long areaStart, long long areaSize) {
  return std::max(0LL, std::min(start + size, areaStart + areaSize) - std::max(start, areaStart));
}

}  // namespace

CPlacementRect HoldToScreen(const CPlacementRect& rect, std::span<const CPlacementRect> screens) {
  if (screens.empty()) return rect;
  // In 64 bits: stored numbers may be anything.
  const CPlacementRect* best = &screens.front();
  long long bestArea = 0;
  for (const CPlacementRect& s : screens) {
    const long long area = Overlap(rect.left, rect.width, s.left, s.width) * Overlap(rect.top, rect.height, s.top, s.height);
    if (area > bestArea) {
      best = &s;
      bestArea = area;
    }
  }
  CPlacementRect held = rect;
  if (held.width > best->width) {
    held.width = best->width;
    held.left = best->left;
  }
  if (held.height > best->height) {
    held.height = best->height;
    held.top = best->top;
  }
  return held;
}

CShowCommand LoadShowCommand(const CProfile& profile) {
  const int style = profile.GetProfileInt(kPlacementSection, "Style", kProfileMissing);
  switch (style) {
    case kProfileMissing: return CShowCommand::AsStarted;
    case 0: return CShowCommand::Restore;
    case static_cast<int>(CStoredShow::Maximized): return CShowCommand::Maximized;
    case static_cast<int>(CStoredShow::Minimized): return CShowCommand::Minimized;
    default: break;
  }
  // Any other number is a Windows show command: 3 shows maximised, 2, 6, 7
  // and 11 minimised, everything else normally.
  if (style == 3) return CShowCommand::Maximized;
  if (style == 2 || style == 6 || style == 7 || style == 11) return CShowCommand::Minimized;
  return CShowCommand::Restore;
}

void StorePlacement(CProfile& profile, const CPlacementRect& rect, CStoredShow show) {
  profile.SetProfileInt(kPlacementSection, "Left", rect.left);
  profile.SetProfileInt(kPlacementSection, "Top", rect.top);
  profile.SetProfileInt(kPlacementSection, "Width", rect.width);
  profile.SetProfileInt(kPlacementSection, "Height", rect.height);
  profile.SetProfileInt(kPlacementSection, "Style", static_cast<int>(show));
}

}  // namespace skrybon

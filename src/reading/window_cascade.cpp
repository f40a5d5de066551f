// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/window_cascade.h"

#include <algorithm>

namespace skrybon {
namespace {

constexpr int kSteps = 8;
constexpr int kStep = 24;

}  // namespace

CascadeRect CascadePlace(int position, int areaWidth, int areaHeight, int minWidth, int minHeight) {
  const int width = std::max(areaWidth * 3 / 4, minWidth);
  const int height = std::max(areaHeight * 3 / 4, minHeight);
  // How many places fit before a window would cross the area's edge.
  const int room = std::min(areaWidth - width, areaHeight - height);
  const int places = std::clamp(room / kStep + 1, 1, kSteps);
  const int offset = (std::max(position, 0) % places) * kStep;
  return {offset, offset, width, height};
}

}  // namespace skrybon

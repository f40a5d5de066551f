// SPDX-License-Identifier: GPL-2.0-or-later
#include "reading/window_cascade.h"

#include <gtest/gtest.h>

namespace skrybon {
namespace {

TEST(WindowCascade, ThreeQuartersOfTheAreaInDiagonalSteps) {
  struct Case {
    int position, areaWidth, areaHeight;
    CascadeRect expected;
  };
  const Case cases[] = {
      {0, 800, 600, {0, 0, 600, 450}},
      {1, 800, 600, {24, 24, 600, 450}},
      {6, 800, 600, {144, 144, 600, 450}},  // 150 pixels of room below: 7 places
      {7, 800, 600, {0, 0, 600, 450}},
      {7, 1600, 1200, {168, 168, 1200, 900}},
      {8, 1600, 1200, {0, 0, 1200, 900}},  // at most eight places
      {2, 200, 100, {0, 0, 210, 120}},     // smaller than the minimum: no room to step
      {-1, 800, 600, {0, 0, 600, 450}},
  };
  for (const Case& c : cases) {
    const CascadeRect r = CascadePlace(c.position, c.areaWidth, c.areaHeight, 210, 120);
    EXPECT_EQ(r, c.expected) << c.position << " in " << c.areaWidth << "x" << c.areaHeight << ": " << r.x
                             << "," << r.y << " " << r.width << "x" << r.height;
  }
}

}  // namespace
}  // namespace skrybon

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "frame/identify.hpp"

namespace hz {
namespace {

// The hover tip's azimuth is rounded to the whole minute; a hair west of
// north reads as north, never as 360°.
TEST(HoverText, AzimuthJustBelow360ReadsAsNorth) {
  struct Case {
    double az_deg;
    const char* shown;
  } const cases[] = {
      {359.99999999, "方位 0°00′"},      {359 + 59.6 / 60, "方位 0°00′"},
      {359 + 59.4 / 60, "方位 359°59′"}, {0, "方位 0°00′"},
      {180.25, "方位 180°15′"},
  };
  const int mars = sun_index + 4;
  const StarTables stars;
  for (const Case& c : cases) {
    FrameReport frame;
    frame.objects[mars].alt = 10 * rd;
    frame.objects[mars].az = c.az_deg * rd;
    const std::string tip = describe_object(frame, stars, mars);
    EXPECT_NE(tip.find(c.shown), std::string::npos) << c.az_deg << ": " << tip;
  }
}

}  // namespace
}  // namespace hz

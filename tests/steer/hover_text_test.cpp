// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "almanac/jst_day.hpp"
#include "steer/identify.hpp"

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

// The Sun's and the Moon's tips give the day's rise and set to the minute, as
// the almanac prints them (Tokyo, 2006-01-22: no moonrise), and the Moon's age.
TEST(HoverText, SunAndMoonTellTheirDay) {
  FrameReport frame;
  frame.lon_obs = (139 + 44.0 / 60) * rd;
  frame.lat_obs = (35 + 39.0 / 60) * rd;
  frame.t2000 = t2000_at(*jst_day(2006, 1, 22), 3);  // 18:00 UT of the 21st
  const StarTables stars;
  const struct {
    int i;
    const char* shown;
  } cases[] = {
      {sun_index, "日の出 06:48  日の入 16:58"},
      {moon_index, "月の出 --:--  月の入 10:33"},
      {moon_index, "月齢 22.0"},
  };
  for (const auto& c : cases) {
    const std::string tip = describe_object(frame, stars, c.i);
    EXPECT_NE(tip.find(c.shown), std::string::npos) << tip;
  }
  EXPECT_EQ(describe_object(frame, stars, sun_index + 4).find("出"), std::string::npos);
}

}  // namespace
}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/caption.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "time/calendar.hpp"

namespace hz {
namespace {

// t2000 of a JST date and time of day.
double t2000_of_jst(double yr, double mn, double dy, double jst_hours) {
  return date_to_day(yr, mn, dy, jst_hours - 9).value().t2000;
}

struct CaptionCase {
  const char* why;
  double yr, mn, dy, jst_hours;
  const char* date;
  const char* time;
};

TEST(Caption, ShowsTheJstMoment) {
  const CaptionCase cases[] = {
      {"morning, one-digit day", 2026, 12, 7, 9.8, "2026 年12 月7 日", "09 時48 分 (JST)"},
      {"JST date ahead of the UT date", 2026, 12, 7, 8.5, "2026 年12 月7 日", "08 時30 分 (JST)"},
      {"midnight opens the new year", 2027, 1, 1, 0, "2027 年1 月1 日", "00 時00 分 (JST)"},
      {"leap day", 2024, 2, 29, 23 + 59.0 / 60, "2024 年2 月29 日", "23 時59 分 (JST)"},
      {"year 0 prints no digit", 0, 1, 1, 12, " 年1 月1 日", "12 時00 分 (JST)"},
  };
  for (const auto& c : cases) {
    const CaptionLines lines = caption_lines(t2000_of_jst(c.yr, c.mn, c.dy, c.jst_hours));
    EXPECT_EQ(lines.date, c.date) << c.why;
    EXPECT_EQ(lines.time, c.time) << c.why;
  }
}

// The panel's moment to the second, beside a sky that moves by less than a
// minute a frame.
TEST(Caption, SecondsTextTellsTheJstMomentToTheSecond) {
  const struct {
    const char* why;
    double yr, mn, dy, jst_hours;
    const char* text;
  } cases[] = {
      {"seconds of a morning", 2027, 1, 16, 3 + 35.0 / 60 + 20.0 / 3600, "2027-01-16 03:35:20"},
      {"JST date ahead of the UT date", 2026, 12, 7, 8.5, "2026-12-07 08:30:00"},
      {"two seconds before midnight", 2026, 12, 31, 24 - 2.0 / 3600, "2026-12-31 23:59:58"},
      {"within 0.864 s of midnight it is the next day, as in the caption", 2026, 12, 31,
       24 - 0.5 / 3600, "2027-01-01 00:00:00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(seconds_text(t2000_of_jst(c.yr, c.mn, c.dy, c.jst_hours)), c.text) << c.why;
  }
}

// The last half minute before midnight rounds up to "24 時00 分" on the ending
// day, but only until 0.864 s before midnight: from there on the day-number
// tolerance already counts the next date, at 00:00.
TEST(Caption, LastHalfMinuteBeforeMidnight) {
  const double second = 1.0 / 3600;
  const CaptionLines before = caption_lines(t2000_of_jst(2026, 12, 31, 24 - 20 * second));
  EXPECT_EQ(before.date, "2026 年12 月31 日");
  EXPECT_EQ(before.time, "24 時00 分 (JST)");

  const CaptionLines within = caption_lines(t2000_of_jst(2026, 12, 31, 24 - 0.5 * second));
  EXPECT_EQ(within.date, "2027 年1 月1 日");
  EXPECT_EQ(within.time, "00 時00 分 (JST)");
}

// A moment the calendar cannot place shows no caption, not some other date.
TEST(Caption, EmptyBeyondTheCalendarsReach) {
  for (double t2000 : {1e300, std::numeric_limits<double>::quiet_NaN()}) {
    const CaptionLines lines = caption_lines(t2000);
    EXPECT_EQ(lines.date, "") << t2000;
    EXPECT_EQ(lines.time, "") << t2000;
  }
}

}  // namespace
}  // namespace hz

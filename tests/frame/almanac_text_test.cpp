// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/almanac_text.hpp"

#include <gtest/gtest.h>

namespace hz {
namespace {

// Times as the almanac prints them: an event late in the day stays on its
// date, to the second and to the minute; a missing one reads 「--:--」; years
// keep four digits, before year 0 too.
TEST(AlmanacText, TimesAndDatesStayOnTheirDay) {
  const struct {
    double hours;
    const char* seconds;
    const char* minutes;
  } cases[] = {
      {0, "00:00:00", "00:00"},
      {6 + 47.0 / 60 + 40.0 / 3600, "06:47:40", "06:48"},
      {23 + 59.0 / 60 + 29.0 / 3600, "23:59:29", "23:59"},
      {23 + 59.0 / 60 + 59.7 / 3600, "23:59:59", "23:59"},
  };
  for (const auto& c : cases) {
    AlmanacEvent e{};
    e.hours = c.hours;
    EXPECT_EQ(clock_seconds_text(c.hours), c.seconds) << c.hours;
    EXPECT_EQ(clock_text(e), c.minutes) << c.hours;
  }
  EXPECT_EQ(clock_text(std::nullopt), "--:--");
  EXPECT_EQ(date_text({2006, 1, 2}), "2006-01-02");
  EXPECT_EQ(date_text({800, 12, 31}), "0800-12-31");
  EXPECT_EQ(date_text({-44, 3, 15}), "-0044-03-15");
}

}  // namespace
}  // namespace hz

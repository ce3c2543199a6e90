// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/almanac_text.hpp"

#include <gtest/gtest.h>

#include "almanac/almanac_day.hpp"

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

// The Moon's name for a day in Tokyo, January 2027 (first quarter on the 16th,
// full moon on the 22nd at 21 h JST, age 7.3 on the 15th): the phase on its
// day, else the name of the night by the age, a night at a time.
TEST(AlmanacText, MoonNamesFollowTheNights) {
  const struct {
    int day;
    const char* name;
  } cases[] = {
      {10, "三日月"}, {15, "上弦の月"}, {16, "上弦"},   {20, "十三夜"}, {22, "満月"},
      {23, "十六夜"}, {24, "立待月"},   {25, "居待月"}, {27, "更待月"},
  };
  for (const auto& c : cases) {
    const auto d = almanac_day(139.74, 35.68, 2027, 1, c.day);
    ASSERT_TRUE(d) << c.day;
    EXPECT_EQ(phase_name(*d), c.name) << c.day;
  }
}

// Each name of a night from the age at noon where it begins (the night is the
// age in whole days plus one), and just before that age the name before it:
// 月齢 1.1 is the second night, 二日月, not 三日月.
TEST(AlmanacText, NightNamesBeginAtTheirAges) {
  const struct {
    double age;
    const char* name;
    const char* before;
  } cases[] = {
      {0, "新月", "晦日月"},     {1, "二日月", "新月"},         {2, "三日月", "二日月"},
      {6, "上弦の月", "三日月"}, {9, "十日夜の月", "上弦の月"}, {12, "十三夜", "十日夜の月"},
      {13, "小望月", "十三夜"},  {14, "満月", "小望月"},        {15, "十六夜", "満月"},
      {16, "立待月", "十六夜"},  {17, "居待月", "立待月"},      {18, "寝待月", "居待月"},
      {19, "更待月", "寝待月"},  {21, "下弦の月", "更待月"},    {25, "有明月", "下弦の月"},
      {29, "晦日月", "有明月"},
  };
  constexpr double just_before = 0.01;
  for (const auto& c : cases) {
    EXPECT_EQ(phase_name(AlmanacDay{{}, {}, c.age}), c.name) << c.age;
    const double earlier = c.age > 0 ? c.age - just_before : 29.5;  // the month before
    EXPECT_EQ(phase_name(AlmanacDay{{}, {}, earlier}), c.before) << earlier;
  }
}

}  // namespace
}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/calendar.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace hz {
namespace {

using Date = CalendarDate;

// Date to tjt and t2000; fails the test if refused.
void to_scales(Date in, double ut, double& tjt, double& t2000) {
  const std::optional<DayAndCenturies> s = date_to_day(in.yr, in.mn, in.dy, ut);
  ASSERT_TRUE(s) << in.yr << "-" << in.mn << "-" << in.dy;
  tjt = s->tjt;
  t2000 = s->t2000;
}

Date from_day(double tjt) {
  const std::optional<Date> out = day_to_date(tjt);
  EXPECT_TRUE(out) << "tjt " << tjt;
  return out.value_or(Date{-1, -1, -1});
}

// The date, time of day and day number of t2000; fails the test if refused.
DateAndTime from_centuries(double t2000) {
  const std::optional<DateAndTime> out = centuries_to_date(t2000);
  EXPECT_TRUE(out) << "t2000 " << t2000;
  return out.value_or(DateAndTime{{-1, -1, -1}, -1, -1});
}

// The day number to date conversion exactly as first written: a first guess
// from 365-day years, then decrements only. Right from day 1 on, so it serves
// as the reference there.
Date reference_day_to_date(double tjt) {
  double y = std::floor((tjt + 0.1) / 365);
  double d;
  for (;;) {
    d = std::floor(tjt + 0.1 - 365 * y) -
        (std::floor((y - 1) / 4) - std::floor((y - 1) / 100) + std::floor((y - 1) / 400) + 1);
    if (d > 0) break;
    y = y - 1;
  }
  const double yr = 1600 + y;
  const MonthTable mday = md(leapy(yr));
  int i = 1;
  double p = 0;
  for (; i <= 13; ++i) {
    if (d - mday[i] <= 0) break;
    p = mday[i];
  }
  return {yr, static_cast<double>(i - 1), d - p};
}

TEST(Leapy, GregorianRule) {
  const struct {
    double yr, lp;
    const char* why;
  } cases[] = {
      {1600, 1, "century divisible by 400"},
      {2000, 1, "century divisible by 400"},
      {2400, 1, "century divisible by 400"},
      {2024, 1, "ordinary leap year"},
      {1700, 0, "century not by 400"},
      {1900, 0, "century not by 400"},
      {2100, 0, "century not by 400"},
      {2026, 0, "common year"},
      {0, 1, "year 0 is a 400-multiple"},
      {-4, 1, "negative: floor keeps remainder >= 0"},
      {-1, 0, "negative common year"},
      {-100, 0, "negative century not by 400"},
      {-400, 1, "negative 400-multiple"},
      {-999996, 1, "far past, divisible by 4"},
      {999900, 0, "far future century, not by 400"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(leapy(c.yr), c.lp) << c.why << ": year " << c.yr;
  }
}

TEST(Md, CommonAndLeapTables) {
  const MonthTable common = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  const MonthTable leap = {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366};
  EXPECT_EQ(md(0), common);
  EXPECT_EQ(md(1), leap);
  EXPECT_EQ(md(-3), leap) << "any non-zero flag means a leap year";
}

TEST(LeapDaysBefore, CountsFrom1600) {
  EXPECT_EQ(leap_days_before(0), 0) << "1600";
  EXPECT_EQ(leap_days_before(1), 1) << "1601 follows the leap year 1600";
  EXPECT_EQ(leap_days_before(400), 97) << "2000";
  EXPECT_EQ(leap_days_before(-1), 0) << "1599: no leap year in 1599..1599";
  EXPECT_EQ(leap_days_before(-4), -1) << "1596: minus the leap day of 1596";
  EXPECT_EQ(leap_days_before(-100), -24) << "1500: 1596..1504 leap, 1500 not";
}

TEST(MonthIndex, RoundsHalfToEvenAndBounds) {
  EXPECT_EQ(month_index(2.5), 2) << "half to even";
  EXPECT_EQ(month_index(3.5), 4) << "half to even";
  EXPECT_EQ(month_index(-0.5), 0) << "-0.5 rounds to 0";
  EXPECT_EQ(month_index(13.4), 13);
  EXPECT_EQ(month_index(13.5), std::nullopt) << "rounds to 14";
  EXPECT_EQ(month_index(-0.6), std::nullopt) << "rounds to -1";
  EXPECT_EQ(month_index(std::numeric_limits<double>::quiet_NaN()), std::nullopt);
  EXPECT_EQ(month_index(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(DateToDay, WorkedValues) {
  const struct {
    Date date;
    double ut, tjt, t2000;
    bool check_t2000;
  } cases[] = {
      {{2000, 1, 1}, 12, 146098, 0, true},
      {{1600, 1, 1}, 0, 1, -3.9999315537303217, true},
      {{2026, 12, 7}, 0.8, 155935, 0.269309605293178, true},
      {{2024, 2, 29}, 0, 154923, 0, false},
      {{2026, 2, 29}, 0, 155654, 0, false},  // no 29 February: counts on to 1 March
      {{2026, 3, 1}, 0, 155654, 0, false},
  };
  for (const auto& c : cases) {
    double tjt = 0, t2000 = 0;
    to_scales(c.date, c.ut, tjt, t2000);
    EXPECT_EQ(tjt, c.tjt) << c.date.yr << "-" << c.date.mn << "-" << c.date.dy;
    if (c.check_t2000) {
      EXPECT_NEAR(t2000, c.t2000, 1e-15) << c.date.yr << "-" << c.date.mn << "-" << c.date.dy;
    }
  }
}

TEST(DateToDay, CountsOnOutOfRangeFields) {
  double a, b, t1, t2;
  to_scales({2026, 1, 32}, 0, a, t1);
  to_scales({2026, 2, 1}, 0, b, t2);
  EXPECT_EQ(a, b) << "day 32 of January is 1 February";
  to_scales({2026, 13, 1}, 0, a, t1);
  to_scales({2027, 1, 1}, 0, b, t2);
  EXPECT_EQ(a, b) << "month 13 is January of the next year";
  to_scales({2026, 0, 5}, 0, a, t1);
  to_scales({2026, 1, 5}, 0, b, t2);
  EXPECT_EQ(a, b) << "month 0 reads entry 0 and behaves like January";
  // -6 h on a date is 18 h the day before; tjt stays the date's own.
  to_scales({2026, 12, 7}, -6, a, t1);
  to_scales({2026, 12, 6}, 18, b, t2);
  EXPECT_EQ(t1, t2);
  EXPECT_EQ(a, b + 1);
}

TEST(DateToDay, RefusesMonthWithoutTableIndex) {
  for (double mn : {14.0, -1.0, 13.5, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(date_to_day(2026, mn, 1, 0), std::nullopt) << "month " << mn;
  }
}

TEST(CenturiesToDate, WorkedValue) {
  const DateAndTime m = from_centuries(0);
  EXPECT_EQ(m.tjt, 146098);
  EXPECT_EQ(m.ut, 12);
  EXPECT_EQ(m.date.yr, 2000);
  EXPECT_EQ(m.date.mn, 1);
  EXPECT_EQ(m.date.dy, 1);
}

TEST(DayToDate, WorkedValues) {
  const struct {
    double tjt;
    Date date;
    const char* why;
  } cases[] = {
      {146097, {1999, 12, 31}, "last day of a common year"},
      {146463, {2000, 12, 31}, "day 366 of a leap year"},
      {146464, {2001, 1, 1}, "first day after a leap year"},
      {146098, {2000, 1, 1}, "J2000 day"},
      {1, {1600, 1, 1}, "day 1"},
      {60, {1600, 2, 29}, "leap day of 1600"},
      {0, {1599, 12, 31}, "day before day 1"},
      {-365, {1598, 12, 31}, "1599 is common: 365 days back"},
      {-1460, {1596, 1, 1}, "1596 was a leap year: 366 days before 1597"},
      {-1461, {1595, 12, 31}, "day before the leap year 1596"},
      {-584387, {0, 1, 1}, "year 0, proleptic"},
      {155934.95, {2026, 12, 7}, "within 0.1 below a whole day counts as it"},
  };
  for (const auto& c : cases) {
    const Date got = from_day(c.tjt);
    EXPECT_EQ(got.yr, c.date.yr) << c.why << " (tjt " << c.tjt << ")";
    EXPECT_EQ(got.mn, c.date.mn) << c.why << " (tjt " << c.tjt << ")";
    EXPECT_EQ(got.dy, c.date.dy) << c.why << " (tjt " << c.tjt << ")";
  }
}

TEST(DayToDate, MatchesReferenceFromDayOne) {
  int mismatches = 0;
  for (double tjt = 1; tjt <= 500000; ++tjt) {
    const Date want = reference_day_to_date(tjt);
    const Date got = from_day(tjt);
    if (got.yr != want.yr || got.mn != want.mn || got.dy != want.dy) {
      if (++mismatches <= 5) {
        ADD_FAILURE() << "tjt " << tjt << ": want " << want.yr << "-" << want.mn << "-" << want.dy
                      << ", got " << got.yr << "-" << got.mn << "-" << got.dy;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Every date of a year, to its day number and back to the date, for
// years from -999999 to 999999: catches a first guess that is too far off or
// a wrong count of leap days before 1600.
TEST(DayToDate, DateDayNumberRoundTripWideRange) {
  int failures = 0;
  for (double yr = -999999; yr <= 999999; yr += 4999) {
    for (double y : {yr, yr + 1, yr + 2, yr + 3}) {
      const double len = 365 + leapy(y);
      double tjt0, t, prev = 0;
      to_scales({y, 1, 1}, 0, tjt0, t);
      for (double d = 1; d <= len; ++d) {
        const double tjt = tjt0 + d - 1;
        const Date got = from_day(tjt);
        to_scales(got, 0, prev, t);
        if (prev != tjt && ++failures <= 5) {
          ADD_FAILURE() << "year " << y << " day " << d << " -> " << got.yr << "-" << got.mn << "-"
                        << got.dy;
        }
      }
      const Date last = from_day(tjt0 + len - 1);
      EXPECT_EQ(last.yr, y);
      EXPECT_EQ(last.mn, 12);
      EXPECT_EQ(last.dy, 31);
    }
  }
  EXPECT_EQ(failures, 0);
}

TEST(DayToDate, ExtremeYearsConvert) {
  for (Date in : {Date{999999, 12, 31}, Date{-999999, 1, 1}, Date{-999999, 12, 31}}) {
    double tjt, t2000;
    to_scales(in, 0, tjt, t2000);
    const Date got = from_day(tjt);
    EXPECT_EQ(got.yr, in.yr);
    EXPECT_EQ(got.mn, in.mn);
    EXPECT_EQ(got.dy, in.dy);
  }
}

// Date to centuries and back returns the date and the time of day, for every
// time of day below 24 - 0.00024 h.
TEST(CenturiesToDate, RoundTrip) {
  const double uts[] = {0, 0.8, 6.5, 12, 17.999, 23.5, 23.99975};
  int failures = 0;
  for (double yr = 1600; yr <= 2999; yr += 7) {
    for (double mn = 1; mn <= 12; ++mn) {
      for (double dy : {1.0, 15.0, 28.0}) {
        for (double ut0 : uts) {
          double tjt, t2000;
          to_scales({yr, mn, dy}, ut0, tjt, t2000);
          const DateAndTime b = from_centuries(t2000);
          const Date& g = b.date;
          if ((g.yr != yr || g.mn != mn || g.dy != dy || std::fabs(b.ut - ut0) > 1e-6) &&
              ++failures <= 5) {
            ADD_FAILURE() << yr << "-" << mn << "-" << dy << " " << ut0 << " h -> " << g.yr << "-"
                          << g.mn << "-" << g.dy << " " << b.ut << " h";
          }
        }
      }
    }
  }
  EXPECT_EQ(failures, 0);
}

// Far from J2000 a double holds the fractional day number to about 1e-7 day,
// so the time of day comes back less exactly; the date still does.
TEST(CenturiesToDate, RoundTripFarYears) {
  for (double yr : {-999999.0, -500001.0, -1.0, 0.0, 1599.0, 500000.0, 999999.0}) {
    for (double ut0 : {0.0, 12.25, 23.99}) {
      double tjt, t2000;
      to_scales({yr, 3, 1}, ut0, tjt, t2000);
      const DateAndTime b = from_centuries(t2000);
      EXPECT_EQ(b.date.yr, yr);
      EXPECT_EQ(b.date.mn, 3) << yr;
      EXPECT_EQ(b.date.dy, 1) << yr;
      EXPECT_EQ(b.tjt, tjt) << yr;
      EXPECT_NEAR(b.ut, ut0, 1e-4) << yr;
    }
  }
}

TEST(CenturiesToDate, MidnightToleranceCountsAsNextDay) {
  double tjt, t2000;
  to_scales({2026, 12, 7}, 23.9999, tjt, t2000);
  const DateAndTime b = from_centuries(t2000);
  EXPECT_EQ(b.date.yr, 2026);
  EXPECT_EQ(b.date.mn, 12);
  EXPECT_EQ(b.date.dy, 8) << "0.36 s before midnight is within the 0.00001-day tolerance";
  EXPECT_NEAR(b.ut, -0.0001, 1e-9);
  EXPECT_EQ(b.tjt, tjt + 1);
}

// 24 - 0.00024 h is exactly 0.00001 day before midnight: the round trip no
// longer holds there, the moment already counts as the next day.
TEST(CenturiesToDate, RoundTripEndsAtToleranceBound) {
  double tjt, t2000;
  to_scales({2026, 12, 7}, 24 - 0.00024, tjt, t2000);
  const DateAndTime b = from_centuries(t2000);
  EXPECT_EQ(b.date.dy, 8) << "got " << b.date.yr << "-" << b.date.mn << "-" << b.date.dy << " "
                          << b.ut << " h";
  EXPECT_LT(b.ut, 0);
}

// Where the day count is large, x + 0.00001 rounds: a moment just beyond the
// tolerance must still stay on its own day, with a time of day below 24 h,
// rather than count as the next day with a time of day below -0.00024 h.
TEST(CenturiesToDate, MomentBeyondMidnightToleranceStaysOnItsDayAtLargeDayCounts) {
  const struct {
    Date typed;
    double ut;  // a little more than 0.00001 day before the typed day's midnight
    Date day_before;
  } cases[] = {
      {{-493786, 1, 13}, -0.0002402699381036583, {-493786, 1, 12}},
      {{999999, 3, 1}, -0.0002401, {999999, 2, 28}},
      {{-999999, 3, 1}, -0.0002401, {-999999, 2, 28}},
  };
  for (const auto& c : cases) {
    double tjt, t2000;
    to_scales(c.typed, c.ut, tjt, t2000);
    const DateAndTime b = from_centuries(t2000);
    EXPECT_EQ(b.date.yr, c.day_before.yr);
    EXPECT_EQ(b.date.mn, c.day_before.mn) << c.typed.yr;
    EXPECT_EQ(b.date.dy, c.day_before.dy) << c.typed.yr;
    EXPECT_EQ(b.tjt, tjt - 1) << c.typed.yr;
    EXPECT_GT(b.ut, 23.9997) << c.typed.yr;
    EXPECT_LT(b.ut, 24) << c.typed.yr;
  }
}

TEST(Calendar, RefusesNonFiniteAndUnresolvableInsteadOfLooping) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {nan, inf, -inf, 1e300}) {
    EXPECT_EQ(centuries_to_date(bad), std::nullopt) << bad;
    EXPECT_EQ(day_to_date(bad), std::nullopt) << bad;
  }
}

// tujit hands each choice to its function, writes only that function's
// outputs, and on a refusal writes none. Sentinels mark the untouched ones.
TEST(Tujit, DispatchesByChoiceAndWritesOnlyItsOutputs) {
  constexpr double s = -77;
  const struct {
    int chc;
    double yr, mn, dy, ut, tjt, t2000;  // in: what the choice reads
    bool ok;
    double out_yr, out_mn, out_dy, out_ut, out_tjt, out_t2000;
  } cases[] = {
      {1, 2000, 1, 1, 12, s, s, true, 2000, 1, 1, 12, 146098, 0},
      {1, 2026, 14, 1, 0, s, s, false, 2026, 14, 1, 0, s, s},
      {2, s, s, s, s, s, 0, true, 2000, 1, 1, 12, 146098, 0},
      {2, s, s, s, s, s, 1e300, false, s, s, s, s, s, 1e300},
      {3, s, s, s, s, 146464, s, true, 2001, 1, 1, s, 146464, s},
      {0, s, s, s, s, 146464, s, true, 2001, 1, 1, s, 146464, s},
      {3, s, s, s, s, 1e300, s, false, s, s, s, s, 1e300, s},
  };
  for (const auto& c : cases) {
    double yr = c.yr, mn = c.mn, dy = c.dy, ut = c.ut, tjt = c.tjt, t2000 = c.t2000;
    EXPECT_EQ(tujit(c.chc, yr, mn, dy, ut, tjt, t2000), c.ok) << "choice " << c.chc;
    const double got[] = {yr, mn, dy, ut, tjt, t2000};
    const double want[] = {c.out_yr, c.out_mn, c.out_dy, c.out_ut, c.out_tjt, c.out_t2000};
    for (int i = 0; i < 6; ++i) {
      EXPECT_EQ(got[i], want[i]) << "choice " << c.chc << ", output " << i;
    }
  }
}

}  // namespace
}  // namespace hz

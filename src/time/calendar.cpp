// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/calendar.hpp"

#include <cmath>

#include "common/constants.hpp"

namespace hz {

namespace {

// Day number of the first guess at year y, adjusted below; 365.2425 is the
// exact mean length of the Gregorian year, so the guess is off by at most a
// year or two over the whole range of the program.
constexpr double mean_year = 365.2425;
// Far more adjustments than any representable whole-day number needs; only
// day numbers too large to resolve whole days ever reach it.
constexpr int max_year_steps = 64;

// Day of the year of day number tjt if y is the right year count; below 1
// when y is too large, above the year's length when it is too small.
double day_of_year(double tjt, double y) {
  return std::floor(tjt + 0.1 - 365 * y) - leap_days_before(y);
}

}  // namespace

double leapy(double yr) {
  const double c = std::floor(yr / 100);
  if (yr - 100 * c != 0) return yr - 4 * std::floor(yr / 4) == 0 ? 1 : 0;
  return c - 4 * std::floor(c / 4) == 0 ? 1 : 0;
}

MonthTable md(double lpyr) {
  MonthTable mday = {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  if (lpyr != 0) {
    for (int m = 3; m <= 13; ++m) mday[m] = mday[m] + 1;
  }
  return mday;
}

double leap_days_before(double y) {
  return std::floor((y - 1) / 4) - std::floor((y - 1) / 100) + std::floor((y - 1) / 400) + 1;
}

std::optional<int> month_index(double mn) {
  if (!std::isfinite(mn)) return std::nullopt;
  const double m = std::nearbyint(mn);
  if (m < 0 || m > 13) return std::nullopt;
  return static_cast<int>(m);
}

std::optional<DayAndCenturies> date_to_day(double yr, double mn, double dy, double ut) {
  const MonthTable mday = md(leapy(yr));
  const double y = yr - 1600;
  const std::optional<int> m = month_index(mn);
  if (!m) return std::nullopt;
  const double tjt = dy + mday[*m] + leap_days_before(y) + 365 * y;
  return DayAndCenturies{tjt, (tjt + ut / 24 - 146098.5) / 36525};
}

std::optional<CalendarDate> day_to_date(double tjt) {
  if (!std::isfinite(tjt)) return std::nullopt;
  double y = std::floor((tjt + 0.1) / mean_year);
  double d = 0;
  int steps = 0;
  for (;; ++steps) {
    if (steps == max_year_steps) return std::nullopt;
    d = day_of_year(tjt, y);
    if (d <= 0) {
      y = y - 1;
    } else if (d > 365 + leapy(1600 + y)) {
      y = y + 1;
    } else {
      break;
    }
  }

  const double year = 1600 + y;
  const MonthTable mday = md(leapy(year));
  int i = 1;
  double p = 0;
  for (; i <= 13; ++i) {
    if (d - mday[i] <= 0) break;
    p = mday[i];
  }
  return CalendarDate{year, static_cast<double>(i - 1), d - p};
}

std::optional<DateAndTime> centuries_to_date(double t2000) {
  if (!std::isfinite(t2000)) return std::nullopt;
  const double x = 146098.5 + 36525 * t2000;
  // A moment less than 0.00001 day before midnight counts as the next day.
  // The distance to midnight is exact; x + 0.00001 would round where the
  // day count is large and let moments beyond the tolerance through.
  double day = std::floor(x);
  if (day + 1 - x < 0.00001) day = day + 1;
  const std::optional<CalendarDate> date = day_to_date(day);
  if (!date) return std::nullopt;
  return DateAndTime{*date, 24 * (x - day), day};
}

bool tujit(int chc, double& yr, double& mn, double& dy, double& ut, double& tjt, double& t2000) {
  if (chc == 1) {
    const std::optional<DayAndCenturies> s = date_to_day(yr, mn, dy, ut);
    if (!s) return false;
    tjt = s->tjt;
    t2000 = s->t2000;
    return true;
  }

  if (chc == 2) {
    const std::optional<DateAndTime> m = centuries_to_date(t2000);
    if (!m) return false;
    yr = m->date.yr;
    mn = m->date.mn;
    dy = m->date.dy;
    ut = m->ut;
    tjt = m->tjt;
    return true;
  }

  const std::optional<CalendarDate> d = day_to_date(tjt);
  if (!d) return false;
  yr = d->yr;
  mn = d->mn;
  dy = d->dy;
  return true;
}

std::optional<DateAndTime> centuries_to_jst_date(double t2000) {
  return centuries_to_date(t2000 + jst_offset_hours / 24 / 36525);
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar conversions over every moment the program can reach: a century
// value, a day number or a typed date goes to the other scales and back, and
// every conversion returns (day_to_date's year search is bounded, and must not
// run out inside the range).
//
// The reach: a start moment is accepted within the years -max_start_years to
// max_start_years + 1 from 0000-01-01 (years of 365.2425 days), and the clock
// then only moves on, one minute a frame. Frames beyond the end are allowed for
// a margin of a thousand years (half a billion frames); the same margin is
// taken below the start, so the range is symmetric. Inside it the day numbers
// stay below about 3.7e8 in size.
//
// Input: a first byte choosing what is given, then its values (see below).
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "frame/start_moment.hpp"
#include "fuzz_input.hpp"
#include "time/calendar.hpp"

namespace {

using hz::fuzz::FuzzInput;

constexpr const char* kName = "fuzz_calendar";
constexpr double margin_years = 1000;
constexpr double mean_year = 365.2425;

void check(bool ok, const std::string& what) {
  if (!ok) hz::fuzz::fail(kName, what);
}

// Day number of 0000-01-01 and the reachable day numbers and century values.
struct Reach {
  double year_zero_day, lo_day, hi_day, lo_t2000, hi_t2000;
};

double t2000_of_day(double day) { return (day - 146098.5) / 36525; }

Reach reach() {
  Reach r{};
  r.year_zero_day = hz::date_to_day(0, 1, 1, 0).value().tjt;
  r.lo_day = r.year_zero_day - (hz::max_start_years + margin_years) * mean_year;
  r.hi_day = r.year_zero_day + (hz::max_start_years + 1 + margin_years) * mean_year;
  r.lo_t2000 = t2000_of_day(r.lo_day);
  r.hi_t2000 = t2000_of_day(r.hi_day);
  return r;
}

const Reach kReach = reach();

// A value in [lo, hi] from eight bytes, spread evenly.
double scaled(FuzzInput& in, double lo, double hi) {
  const double u = static_cast<double>(in.u64() >> 11) / 9007199254740992.0;  // [0, 1)
  return lo + (hi - lo) * u;
}

bool whole(double v) { return std::isfinite(v) && v == std::floor(v); }

// What the conversions to a date must give: a whole year, a month 1..12 and a
// day of that month.
void check_date(double yr, double mn, double dy, const char* from) {
  const std::string f = from;
  check(whole(yr), f + ": the year is not whole");
  check(whole(mn) && mn >= 1 && mn <= 12, f + ": the month is not 1 to 12");
  const hz::MonthTable mday = hz::md(hz::leapy(yr));
  const int m = static_cast<int>(mn);
  check(whole(dy) && dy >= 1 && dy <= mday[m + 1] - mday[m], f + ": the day is not in its month");
}

// How far two conversions of one moment may differ, in days: a few roundings
// of the day count at its size.
double tolerance_days(double x) { return 16 * DBL_EPSILON * (std::fabs(x) + 146098.5); }

// A century value t2000 to a date and time of day, and back.
void round_trip_t2000(double t2000, const char* from) {
  const std::string f = from;
  const std::optional<hz::DateAndTime> m = hz::centuries_to_date(t2000);
  check(m.has_value(), f + ": centuries_to_date failed inside the reach");
  const hz::CalendarDate& d = m->date;
  check_date(d.yr, d.mn, d.dy, from);
  check(whole(m->tjt), f + ": centuries_to_date gave a day number that is not whole");
  check(m->ut >= -0.00024 && m->ut < 24, f + ": the time of day is outside -0.00024..24");

  const std::optional<hz::CalendarDate> d3 = hz::day_to_date(m->tjt);
  check(d3.has_value(), f + ": day_to_date failed on centuries_to_date's day");
  check(d3->yr == d.yr && d3->mn == d.mn && d3->dy == d.dy,
        f + ": centuries_to_date and day_to_date disagree on the date");

  const std::optional<hz::DayAndCenturies> s = hz::date_to_day(d.yr, d.mn, d.dy, m->ut);
  check(s.has_value(), f + ": date_to_day failed on centuries_to_date's date");
  check(s->tjt == m->tjt, f + ": the date does not give back its day number");
  const double x = 146098.5 + 36525 * t2000;
  check(std::fabs(s->t2000 - t2000) * 36525 <= tolerance_days(x),
        f + ": the date and time do not give back the century value");
}

// Given: a century value, raw bits or spread over the reach.
void given_t2000(FuzzInput& in, bool raw) {
  const double t2000 = raw ? in.real() : scaled(in, kReach.lo_t2000, kReach.hi_t2000);
  if (!(t2000 >= kReach.lo_t2000 && t2000 <= kReach.hi_t2000)) return;
  round_trip_t2000(t2000, "century value");
}

// Given: a day number, raw bits or spread over the reach, optionally whole
// (as the frames hand it over).
void given_day(FuzzInput& in, bool raw, bool make_whole) {
  double day = raw ? in.real() : scaled(in, kReach.lo_day, kReach.hi_day);
  if (make_whole) day = std::floor(day);
  if (!(day >= kReach.lo_day && day <= kReach.hi_day)) return;

  const std::optional<hz::CalendarDate> d = hz::day_to_date(day);
  check(d.has_value(), "day number: day_to_date failed inside the reach");
  check_date(d->yr, d->mn, d->dy, "day number");
  // Less than 0.1 below a whole number counts as that number.
  const double expected = std::floor(day + 0.1);
  const std::optional<hz::DayAndCenturies> s = hz::date_to_day(d->yr, d->mn, d->dy, 0);
  check(s.has_value(), "day number: date_to_day failed on its date");
  check(s->tjt == expected, "day number: the date does not give back the day number");
}

// Given: a date and time of day as typed at the start (any finite numbers,
// raw or in ranges a user types).
void given_date(FuzzInput& in) {
  const std::uint8_t how = in.byte();
  const double yr =
      how & 1 ? in.real() : std::floor(scaled(in, -hz::max_start_years, hz::max_start_years));
  const double mn = how & 2 ? in.real() : static_cast<double>(in.byte() % 16) - 1;
  const double dy = how & 4 ? in.real() : static_cast<double>(in.byte() % 34) - 1;
  const double ut = how & 8 ? in.real() : scaled(in, -1, 25);
  if (!std::isfinite(yr) || !std::isfinite(mn) || !std::isfinite(dy) || !std::isfinite(ut)) return;

  const std::optional<hz::DayAndCenturies> s = hz::date_to_day(yr, mn, dy, ut);
  check(s.has_value() == hz::month_index(mn).has_value(),
        "date: date_to_day and month_index disagree");
  if (!s || !std::isfinite(s->t2000)) return;
  const double t2000 = s->t2000;
  if (!(t2000 >= kReach.lo_t2000 && t2000 <= kReach.hi_t2000)) return;
  round_trip_t2000(t2000, "date");

  // A proper date with a time of day short of midnight comes back as itself.
  const hz::MonthTable mday = hz::md(hz::leapy(yr));
  if (whole(yr) && whole(mn) && mn >= 1 && mn <= 12 && whole(dy) && dy >= 1 &&
      dy <= mday[static_cast<int>(mn) + 1] - mday[static_cast<int>(mn)] && ut >= 0 && ut < 23.99) {
    const hz::DateAndTime m = hz::centuries_to_date(t2000).value();
    check(m.date.yr == yr && m.date.mn == mn && m.date.dy == dy,
          "date: a proper date does not come back as itself");
    check(std::fabs(m.ut - ut) / 24 <= tolerance_days(s->tjt), "date: the time of day moved");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::uint8_t what = in.byte();
  switch (what % 3) {
    case 0:
      given_t2000(in, what & 4);
      break;
    case 1:
      given_day(in, what & 4, what & 8);
      break;
    default:
      given_date(in);
      break;
  }
  return 0;
}

// The calendar conversions over every moment the program can reach: a century
// value, a day number or a typed date goes to the other scales and back, and
// every conversion returns (tujit's year search is bounded, and must not run
// out inside the range).
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
  double yr = 0, mn = 1, dy = 1, ut = 0, tjt = 0, t2000 = 0;
  hz::tujit(1, yr, mn, dy, ut, tjt, t2000);
  Reach r{};
  r.year_zero_day = tjt;
  r.lo_day = tjt - (hz::max_start_years + margin_years) * mean_year;
  r.hi_day = tjt + (hz::max_start_years + 1 + margin_years) * mean_year;
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
  double yr = 0, mn = 0, dy = 0, ut = 0, tjt = 0, t = t2000;
  check(hz::tujit(2, yr, mn, dy, ut, tjt, t), f + ": choice 2 failed inside the reach");
  check(t == t2000, f + ": choice 2 changed its input");
  check_date(yr, mn, dy, from);
  check(whole(tjt), f + ": choice 2 gave a day number that is not whole");
  check(ut >= -0.00024 && ut < 24, f + ": the time of day is outside -0.00024..24");

  double yr3 = 0, mn3 = 0, dy3 = 0, ut3 = 0, tjt3 = tjt, t3 = 0;
  check(hz::tujit(3, yr3, mn3, dy3, ut3, tjt3, t3), f + ": choice 3 failed on choice 2's day");
  check(yr3 == yr && mn3 == mn && dy3 == dy, f + ": choices 2 and 3 disagree on the date");

  double tjt1 = 0, t1 = 0;
  check(hz::tujit(1, yr, mn, dy, ut, tjt1, t1), f + ": choice 1 failed on choice 2's date");
  check(tjt1 == tjt, f + ": the date does not give back its day number");
  const double x = 146098.5 + 36525 * t2000;
  check(std::fabs(t1 - t2000) * 36525 <= tolerance_days(x),
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

  double yr = 0, mn = 0, dy = 0, ut = 0, tjt = day, t2000 = 0;
  check(hz::tujit(3, yr, mn, dy, ut, tjt, t2000), "day number: choice 3 failed inside the reach");
  check(tjt == day, "day number: choice 3 changed its input");
  check_date(yr, mn, dy, "day number");
  // Less than 0.1 below a whole number counts as that number.
  const double expected = std::floor(day + 0.1);
  double tjt1 = 0, t1 = 0, ut0 = 0;
  check(hz::tujit(1, yr, mn, dy, ut0, tjt1, t1), "day number: choice 1 failed on its date");
  check(tjt1 == expected, "day number: the date does not give back the day number");
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

  double y = yr, m = mn, d = dy, u = ut, tjt = 0, t2000 = 0;
  const bool ok = hz::tujit(1, y, m, d, u, tjt, t2000);
  check(ok == hz::month_index(mn).has_value(), "date: choice 1 and month_index disagree");
  check(y == yr && m == mn && d == dy && u == ut, "date: choice 1 changed its inputs");
  if (!ok || !std::isfinite(t2000)) return;
  if (!(t2000 >= kReach.lo_t2000 && t2000 <= kReach.hi_t2000)) return;
  round_trip_t2000(t2000, "date");

  // A proper date with a time of day short of midnight comes back as itself.
  const hz::MonthTable mday = hz::md(hz::leapy(yr));
  if (whole(yr) && whole(mn) && mn >= 1 && mn <= 12 && whole(dy) && dy >= 1 &&
      dy <= mday[static_cast<int>(mn) + 1] - mday[static_cast<int>(mn)] && ut >= 0 && ut < 23.99) {
    double yr2 = 0, mn2 = 0, dy2 = 0, ut2 = 0, tjt2 = 0, t = t2000;
    hz::tujit(2, yr2, mn2, dy2, ut2, tjt2, t);
    check(yr2 == yr && mn2 == mn && dy2 == dy, "date: a proper date does not come back as itself");
    check(std::fabs(ut2 - ut) / 24 <= tolerance_days(tjt), "date: the time of day moved");
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

// Gregorian calendar arithmetic and the program's two time scales: the day
// number (1600-01-01 = day 1) and centuries from J2000.0.
#pragma once

#include <array>
#include <optional>

namespace hz {

// Leap-year test (proleptic Gregorian).
//
// Given:    yr     year, a whole number; any sign.
// Returned:        1 for a leap year, 0 for a common year.
// Notes:    floor-based remainders, so years below zero follow the same
//           400-year cycle (0, -4 and -400 are leap, -100 is not).
double leapy(double yr);

// Cumulative days before each month: entry m is the number of days of the
// year before the first of month m, entry 13 the length of the year, entry 0
// is 0 (read only by month 0, which thereby behaves like January).
using MonthTable = std::array<double, 14>;

// Month table of a year.
//
// Given:    lpyr   leap flag: 0 common year, any other value leap year.
// Returned:        the table, entries 1..13 filled, entry 0 = 0.
MonthTable md(double lpyr);

// Leap days before a year.
//
// Given:    y      years since 1600 (y = yr - 1600), a whole number.
// Returned:        the signed count of leap years from 1600 up to and
//                  including yr - 1: 0 for 1600, 1 for 1601, 97 for 2000;
//                  before 1600 minus the leap years from yr to 1599 (0 for
//                  1599, -1 for 1596, -24 for 1500).
double leap_days_before(double y);

// Table index of a month.
//
// Given:    mn     month, rounded to the nearest whole number, halves to even.
// Returned:        the index 0..13, or nullopt when the rounded month lies
//                  outside 0..13 or mn is not finite.
std::optional<int> month_index(double mn);

// Conversions between a date with a time of day (UT) and the day number and
// centuries from J2000.0.
//
// Given/Returned, by choice:
//   chc 1   given yr, mn, dy (calendar date), ut (hours); returns tjt (day
//           number of the date, 1600-01-01 = 1) and
//           t2000 = (tjt + ut/24 - 146098.5) / 36525 (Julian centuries from
//           2000-01-01 12:00 UT). Day, month 13 and time of day are not
//           held to their ranges: they count on into the next days/months.
//   chc 2   given t2000; returns tjt, ut (hours, 0 <= ut < 24, down to
//           -0.00024 within the 0.00001-day tolerance below midnight) and
//           the date yr, mn, dy.
//   other   (acts as 3) given tjt (a value less than 0.1 below a whole
//           number counts as that number); returns yr, mn, dy.
// Returned: true on success. false, with every output untouched, when the
//           month of choice 1 has no table index (see month_index), when an
//           input of choice 2/3 is not finite, or when the day number lies
//           so far out that whole days are no longer resolved.
// Notes:    proleptic Gregorian calendar, also before 1600 (day numbers
//           below 1) and for years far outside the historical range; tested
//           to years -999999..999999 (|tjt| up to about 4e8).
bool tujit(int chc, double& yr, double& mn, double& dy, double& ut, double& tjt, double& t2000);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
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

// A calendar date: year, month and day, each a whole number when it comes
// from the conversions below.
struct CalendarDate {
  double yr, mn, dy;
};

// A moment on the program's two time scales.
struct DayAndCenturies {
  double tjt;    // day number of the date, 1600-01-01 = 1
  double t2000;  // Julian centuries from 2000-01-01 12:00 UT
};

// A moment as a date and a time of day.
struct DateAndTime {
  CalendarDate date;
  double ut;   // hours from 0:00 of the date
  double tjt;  // day number of the date
};

// Calendar date and time of day to day number and centuries.
//
// Given:    yr, mn, dy  calendar date; mn is rounded to a table index (see
//                       month_index)
//           ut          time of day, hours UT
// Returned: tjt   day number of the date (the time of day does not enter it);
//           t2000 = (tjt + ut/24 - 146098.5) / 36525.
//           nullopt when the month has no table index.
// Notes:    day, month 13 and time of day are not held to their ranges: they
//           count on into the next days or months (day 32 of January is
//           1 February, -6 h is 18 h of the day before in t2000).
std::optional<DayAndCenturies> date_to_day(double yr, double mn, double dy, double ut);

// Day number to calendar date.
//
// Given:    tjt   day number (a value less than 0.1 below a whole number
//                 counts as that number)
// Returned: the date, month 1..12; nullopt when tjt is not finite or so far
//           out that whole days are no longer resolved.
// Notes:    proleptic Gregorian calendar, also before 1600 (day numbers
//           below 1); tested to years -999999..999999 (|tjt| up to about 4e8).
std::optional<CalendarDate> day_to_date(double tjt);

// Centuries to calendar date and time of day.
//
// Given:    t2000  Julian centuries from 2000-01-01 12:00 UT
// Returned: the date, its day number and the time of day ut in hours,
//           0 <= ut < 24, down to -0.00024 when the moment lies within
//           0.00001 day (0.864 s) below midnight: it counts as the next day.
//           nullopt when t2000 is not finite or the day is out of reach of
//           day_to_date.
std::optional<DateAndTime> centuries_to_date(double t2000);

// The same, for the moment counted in Japan Standard Time (UT +
// jst_offset_hours): the JST date and the JST time of day in ut. The hours
// are turned into centuries as hours / 24 / 36525, in that order.
std::optional<DateAndTime> centuries_to_jst_date(double t2000);

// The three conversions behind one entry point, chosen by number.
//
// Given/Returned, by choice:
//   chc 1   date_to_day: given yr, mn, dy, ut; returns tjt and t2000.
//   chc 2   centuries_to_date: given t2000; returns tjt, ut, yr, mn, dy.
//   other   (acts as 3) day_to_date: given tjt; returns yr, mn, dy.
// Returned: true on success; false, with every output untouched, when the
//           chosen conversion refuses.
bool tujit(int chc, double& yr, double& mn, double& dy, double& ut, double& tjt, double& t2000);

}  // namespace hz

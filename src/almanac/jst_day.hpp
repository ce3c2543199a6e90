// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar day of Japan Standard Time on the program's time scales: the
// almanac's days run from 0:00 to 24:00 JST, whatever the observer's place.
#pragma once

#include <optional>

#include "common/constants.hpp"
#include "time/calendar.hpp"

namespace hz {

// Julian centuries in one hour.
constexpr double centuries_per_hour = 1.0 / (36525 * 24);

struct JstDay {
  CalendarDate date;  // as given
  double t0;          // centuries from J2000.0 at 0:00 JST of the date
};

// The day of a JST date.
//
// Given:    yr, mn, dy   the date; mn and dy as date_to_day takes them.
// Returned:              the day; nullopt when the calendar refuses the month.
std::optional<JstDay> jst_day(double yr, double mn, double dy);

// Centuries from J2000.0 at a number of hours after 0:00 JST of the day.
inline double t2000_at(const JstDay& day, double hours) {
  return day.t0 + hours * centuries_per_hour;
}

// Universal Time, hours, at a number of hours after 0:00 JST of the day; may
// be negative (sidereal time reduces it by whole days).
inline double ut_at(double hours) { return hours - jst_offset_hours; }

// A moment as a JST date and time of day.
struct JstMoment {
  CalendarDate date;
  double hours;  // 0 <= hours < 24, JST
};

// JST date and time of a moment.
//
// Given:    t2000   centuries from J2000.0.
// Returned:         the JST date and time; nullopt where centuries_to_date
//                   gives up.
std::optional<JstMoment> jst_moment(double t2000);

}  // namespace hz

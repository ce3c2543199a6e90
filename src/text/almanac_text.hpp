// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac as the window, the hover tips and the renderer print it: the
// JST day of a moment, times as an almanac prints them, the bodies' names.
#pragma once

#include <optional>
#include <string>

#include "almanac/almanac_day.hpp"

namespace hz {

// The almanac of the JST date on which a moment falls.
//
// Given:    lon, lat   the observer, radians (as the frame keeps them).
//           t2000      the moment, centuries from J2000.0.
// Returned:            the day; nothing where the calendar gives up.
std::optional<AlmanacDay> almanac_of_moment(double lon, double lat, double t2000);

// The almanac of the JST date that follows a day.
std::optional<AlmanacDay> next_almanac_day(const AlmanacDay& d, double lon, double lat);

// "2006-01-21": the year with at least four digits, a '-' before a year
// before year 0.
std::string date_text(const CalendarDate& date);

// Whole seconds of a time of day: rounded, halves to even, and held within
// the day (an event at 23:59:59.7 stays on its own date).
long day_seconds(double hours);

// "23:16:05".
std::string clock_seconds_text(double hours);

// "23:16" as almanacs print it: rounded to the minute, held within the day;
// "--:--" for an event that does not happen.
std::string clock_text(const std::optional<AlmanacEvent>& e);

// The Moon's phase in words for a day: 新月, 上弦, 満月 or 下弦 on the day the
// phase falls, else the usual name of the night by the Moon's age at 12:00 JST
// (新月 the 1st night, 二日月 the 2nd, 三日月 from the 3rd, 上弦の月 from the
// 7th, 十日夜の月 from the 10th, 十三夜, 小望月, 満月, 十六夜, 立待月, 居待月,
// 寝待月 the 13th to the 19th, 更待月 from the 20th, 下弦の月 from the 22nd,
// 有明月 from the 26th, 晦日月 the 30th).
std::string phase_name(const AlmanacDay& d);

// The Moon's age as almanacs print it: "7.3".
std::string moon_age_text(double age);

}  // namespace hz

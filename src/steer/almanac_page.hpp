// SPDX-License-Identifier: GPL-3.0-or-later
// 暦 as a page: the almanac of one JST day at a place, as the window's small
// window and the web page show it (simple HTML: paragraphs and tables).
#pragma once

#include <optional>
#include <string>

#include "almanac/almanac_day.hpp"
#include "time/calendar.hpp"

namespace hz {

// What 暦 says for a date the almanac cannot be made for.
inline constexpr const char* no_almanac_ja = "この日付の暦は作れません。";

// The day as HTML: the date and place, the Sun, Moon and planets' rise,
// transit (with its altitude) and set, the Moon's age and phase, the
// twilights and the next four principal phases. lon, lat: radians.
std::string almanac_html(const AlmanacDay& d, double lon, double lat);

// The page of the JST date at a place (radians); nothing where the almanac
// cannot be made.
std::optional<std::string> almanac_page(double lon, double lat, const CalendarDate& jst_date);

// A reason shown in the page's place, as HTML.
std::string reason_html(const std::string& reason);

}  // namespace hz

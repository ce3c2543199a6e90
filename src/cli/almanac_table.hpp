// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "steer/almanac_moment.hpp"

namespace hz {

// Most days --almanac writes: a hundred years and some.
constexpr long max_almanac_days = 36600;

// The almanac of days from the JST date of the moment on, as tab-separated
// text: a header line, then one row per event, days in order, events in time
// order within a day:
//   date  body  event  time_jst  azimuth_deg  altitude_deg  value
// with the Moon's age (one decimal) at 12:00 JST as the moon_age row's value.
// Azimuth (north 0, east 90) and altitude (of the centre, no refraction; the
// Moon's topocentric) are empty for the phases and the age.
// Returned: the text; nothing when the calendar cannot give a day of them.
std::optional<std::string> almanac_table(const PlaceAndMoment& start, long days);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

#include "frame/fields.hpp"

namespace hz {

// The place and start moment as typed, read once at the first Start.
struct StartMoment {
  double lon_obs;     // east longitude, radians
  double lat_obs;     // latitude, radians
  double yr, mn, dy;  // the typed date
  double start_jst;   // typed time of day, hours of JST (hour + minute / 60)
};

// Why a Start cannot be used, with the field to correct.
struct StartRefusal {
  Field field;
  std::string message_ja;  // shown in the window
  std::string message_en;  // printed by the headless renderer
};

// How far from year 0 a start moment may lie: any moment of the years
// -999999 to 999999.
constexpr double max_start_years = 999999;

// Reads the place, the date and the time of day by the number rule
// and checks that they can be used: every number finite, the month rounding
// to 0..13 (the month table's range) and the moment within the years
// -max_start_years to max_start_years, whichever field puts it outside.
std::variant<StartMoment, StartRefusal> read_start_moment(const FieldReader& fields);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// 暦: the place and moment whose day the almanac shows, or why there is none.
#pragma once

#include <string>
#include <variant>

#include "frame/fields.hpp"
#include "frame/frame_driver.hpp"
#include "time/jst_now.hpp"

namespace hz {

struct PlaceAndMoment {
  double lon_obs, lat_obs;  // east longitude and latitude, radians
  double t2000;             // Julian centuries from J2000.0
};

// Why the almanac cannot be made: the typed start is refused, or the
// calendar has no such day.
struct AlmanacRefusal {
  std::string message_ja;  // shown in the window
  std::string message_en;  // printed by hoshizora-render
};

// The typed place and start moment, as Start would read them.
std::variant<PlaceAndMoment, AlmanacRefusal> typed_almanac_moment(const FieldReader& fields);

// The day on screen: the frame on screen once the sky has started, before
// that the typed start; with the year, month and day all blank, the present
// moment (now, in JST) at the typed place; with the longitude and latitude
// both blank, no day but a prompt to give a place.
std::variant<PlaceAndMoment, AlmanacRefusal> almanac_moment(const FrameDriver& driver,
                                                            const FieldReader& fields,
                                                            const JstMinute& now);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The object table's layout: which index holds which object in ra_obj and
// dc_obj, in the frame report and in the renderer's --table output.
#pragma once

#include <array>

namespace hz {

// Stars 1..300; index 0 holds nothing.
constexpr int star_count = 300;
constexpr int first_star = 1;
constexpr int last_star = star_count;
// The Sun, then the planets Mercury .. Pluto in order from the Sun, the Earth
// among them; the body numbered k_pl (0 the Sun, 3 the Earth, 9 Pluto) sits at
// sun_index + k_pl.
constexpr int sun_index = last_star + 1;               // 301
constexpr int last_body_pl = 9;                        // Pluto's k_pl
constexpr int earth_index = sun_index + 3;             // 304
constexpr int last_planet = sun_index + last_body_pl;  // 310
// The Moon, last.
constexpr int moon_index = last_planet + 1;        // 311
constexpr int object_table_size = moon_index + 1;  // 312
// With a magnitude limit, the stars of the extended table follow: row k of
// that table at index moon_index + k (312 on), in the object table's output
// and the hit test, never in ra_obj and dc_obj.
constexpr int first_extended = object_table_size;  // 312

// Right ascension (hours) or declination (degrees) of every object.
using ObjectArray = std::array<double, object_table_size>;
// A value per star, indexed 1..300 (index 0 unused).
template <class T>
using StarArray = std::array<T, last_star + 1>;

}  // namespace hz

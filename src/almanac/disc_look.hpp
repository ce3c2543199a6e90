// SPDX-License-Identifier: GPL-3.0-or-later
// A body's disc as a telescope shows it: how much of it is lit, from which
// angle the Sun lights it, how large it looks, and how far from the Sun it
// stands (宵の明星 east of it, 明けの明星 west). From the program's own
// geocentric places of the body and the Sun.
#pragma once

#include <optional>

#include "almanac/body_place.hpp"

namespace hz {

struct DiscLook {
  double phase_angle;   // Sun–body–Earth angle, degrees: 0 full, 180 new
  double lit_fraction;  // of the disc's area (and diameter), (1 + cos phase angle) / 2
  double diameter;      // apparent equatorial diameter, arcseconds
  double elongation;    // angle from the Sun, degrees
  bool east_of_sun;     // east of the Sun: seen in the evening (宵の明星)
};

// The bodies that have a look: the Moon, Mercury, Venus, Mars, Jupiter and
// Saturn, in that order.
inline constexpr AlmanacBody disc_bodies[] = {AlmanacBody::moon,    AlmanacBody::mercury,
                                              AlmanacBody::venus,   AlmanacBody::mars,
                                              AlmanacBody::jupiter, AlmanacBody::saturn};

// The look of a body at t2000 (centuries from J2000.0); nothing for a body
// not among disc_bodies.
std::optional<DiscLook> disc_look(AlmanacBody b, double t2000);

// 宵の明星, 明けの明星 for Venus and Mercury, else nothing.
const char* evening_or_morning_star(AlmanacBody b, const DiscLook& look);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The place of a body as the almanac needs it: the program's own geocentric
// place, and for the Moon its parallax, turned into altitude and azimuth for
// an observer. Drawn positions never come from here.
#pragma once

#include <optional>

#include "common/constants.hpp"
#include "common/object_layout.hpp"
#include "time/horizon.hpp"

namespace hz {

// The bodies of the almanac, in the order of hoshizora-render's table.
enum class AlmanacBody { sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune, pluto };
constexpr int almanac_body_count = 10;

// The row of the object table that holds a body: the Sun 301, Mercury and
// Venus 302 and 303, Mars to Pluto 305..310 (past the Earth at 304), the Moon
// 311. The Sun and the planets are plpl's body numbers plus sun_index.
constexpr int almanac_body_object(AlmanacBody b) {
  switch (b) {
    case AlmanacBody::sun:
      return sun_index;
    case AlmanacBody::moon:
      return moon_index;
    case AlmanacBody::mercury:
    case AlmanacBody::venus:
      return sun_index + static_cast<int>(b) - 1;
    default:  // Mars on: past the Earth
      return sun_index + static_cast<int>(b);
  }
}

// The body in row i of the object table; none for a star or the Earth.
std::optional<AlmanacBody> almanac_body_at(int i);

// Refraction at the horizon used by Japanese almanacs: 35 arcminutes.
constexpr double standard_refraction = 35.0 / 60 * rd;
// The Sun's semi-diameter at 1 AU, arcseconds (radius 696000 km).
constexpr double sun_semi_diameter_1au = 959.63;

// An observer at sea level on a spherical Earth.
struct Observer {
  double lon;  // east longitude, radians
  double lat;  // latitude, north positive, radians
};

// Geocentric place of a body.
struct BodyPlace {
  double ra;        // right ascension, radians, 0..2 pi
  double dc;        // declination, radians
  double sin_par;   // sine of the horizontal parallax: the Moon's r_mon, 0 else
  double distance;  // Sun and planets: AU; the Moon: 0 (see sin_par)
};

// Place of a body.
//
// Given:    b       the body.
//           t2000   Julian centuries from J2000.0.
// Returned:         the place from plpl or moon, unchanged.
BodyPlace body_place(AlmanacBody b, double t2000);

// Altitude and azimuth of a place as the observer sees it.
//
// Given:    p         the place from body_place.
//           o         the observer.
//           t2000, ut the moment: centuries from J2000.0 and UT in hours
//                     (any value that differs from the true one by whole
//                     days; sidereal time reduces it).
// Returned:           altitude and azimuth, radians (as altaz). For the Moon
//                     the altitude is topocentric: the Earth a sphere of one
//                     Earth radius. No refraction.
Horizon seen_from(const BodyPlace& p, const Observer& o, double t2000, double ut);

// Altitude of the centre, as seen_from gives it, at which a body rises or
// sets.
//
// Given:    b            the body; p its place at the moment.
//           refraction   refraction at the horizon, radians (normally
//                        standard_refraction; 0 for a geometric horizon).
// Returned:              radians: -(refraction + semi-diameter) for the Sun
//                        (its upper limb), -refraction for the Moon's and
//                        the planets' centres.
double rise_set_altitude(AlmanacBody b, const BodyPlace& p, double refraction);

// Hour angle of a place, radians, not reduced.
//
// Given:    p, o, t2000, ut   as for seen_from.
double hour_angle(const BodyPlace& p, const Observer& o, double t2000, double ut);

}  // namespace hz

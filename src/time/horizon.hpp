// SPDX-License-Identifier: GPL-3.0-or-later
// Equatorial to horizon coordinates for an observer on the Earth.
#pragma once

#include "common/horizon_direction.hpp"

namespace hz {

// Altitude and azimuth of a direction.
//
// Given:    ra, dc      right ascension and declination, radians.
//           lat, lon    observer's latitude (north +) and east longitude,
//                       radians.
//           t2000, ut   the moment: Julian centuries from J2000.0 and the
//                       Universal Time of the same moment, hours.
// Returned:             altitude and azimuth.
// Notes:    geometric only: no refraction, parallax or aberration. The
//           zenith gives az = 3 pi/2.
Horizon altaz(double ra, double dc, double lat, double lon, double t2000, double ut);

}  // namespace hz

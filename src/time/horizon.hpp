// SPDX-License-Identifier: GPL-3.0-or-later
// Equatorial to horizon coordinates for an observer on the Earth.
#pragma once

namespace hz {

// Altitude and azimuth, radians.
//   alt   -pi/2..pi/2, positive above the horizon.
//   az    from north through east (east pi/2, south pi, west 3 pi/2),
//         0 <= az < 2 pi; 2 pi itself may come out for a direction a hair
//         west of north, which callers treat as north.
struct Horizon {
  double alt;
  double az;
};

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

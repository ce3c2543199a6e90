// SPDX-License-Identifier: GPL-3.0-or-later
// Ecliptic to equatorial coordinates.
#pragma once

namespace hz {

// Right ascension and declination, radians: 0 <= ra < 2 pi (2 pi itself may
// come out by rounding), -pi/2 <= dc <= pi/2.
struct Equatorial {
  double ra;
  double dc;
};

// Rotation of an ecliptic direction into the equator.
//
// Given:    xyz          input form: 0 spherical (a1 longitude, a2 latitude,
//                        radians; a3 ignored), any other value rectangular
//                        (a1, a2, a3) in the ecliptic frame, any length.
//           a1, a2, a3   the direction.
//           deps         correction added to the obliquity 23.43928 deg,
//                        radians.
// Returned:              right ascension and declination.
// Notes:    only the direction counts. The zero vector gives ra = 3 pi/2,
//           dc = 0 (it occurs for the Earth seen from itself).
Equatorial ecleq(int xyz, double a1, double a2, double a3, double deps);

}  // namespace hz

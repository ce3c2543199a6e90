// SPDX-License-Identifier: GPL-3.0-or-later
// Apparent sidereal time at Greenwich.
#pragma once

namespace hz {

// Greenwich apparent sidereal time.
//
// Given:    t2000   Julian centuries from J2000.0 of the moment, including
//                   the fraction of the day.
//           ut      Universal Time of the same moment, hours.
// Returned:         sidereal time, hours, 0 <= gst < 24 (24 itself may come
//                   out when rounding carries a value just below it up).
// Notes:    mean sidereal time with rounded coefficients plus the leading
//           nutation term of the equation of the equinoxes (0.00029 h).
double grn(double t2000, double ut);

// Local sidereal angle: the observer's east longitude plus the Greenwich
// sidereal time, radians, not reduced.
//
// Given:    lon         observer's east longitude, radians.
//           t2000, ut   the moment, as grn takes it.
// Returned:             lon + 15 rd grn(t2000, ut), in that order; the hour
//                       angle of a direction is this minus its right
//                       ascension.
double local_sidereal_angle(double lon, double t2000, double ut);

}  // namespace hz

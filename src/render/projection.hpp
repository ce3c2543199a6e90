// SPDX-License-Identifier: GPL-3.0-or-later
// The view projection: horizon directions onto the drawing surface.
#pragma once

namespace hz {

struct Projected {
  double xp;  // surface x of the point
  double yp;  // surface y of the point
  double d;   // angular distance from the line of sight, radians, 0..pi
};

// Azimuthal equidistant projection centred on the line of sight, the sky
// seen from inside: the great circle from the line of sight toward the
// zenith points up the surface, increasing azimuth to the right.
//
// Given:    ss, sl   altitude and azimuth of the line of sight, radians
//                    (azimuth from north through east)
//           x0, y0   surface coordinates of the view centre
//           scl      surface units per degree of distance from the centre
//           alt, az  altitude and azimuth of the object, radians
// Returned:          the projected point and the angular distance d
// Notes:    culls nothing: every direction is projected, also those behind
//           the observer; the callers compare d with the field radius. At the
//           zenith the line-of-sight azimuth still turns the view: the horizon
//           point at azimuth sl lies straight below the centre.
Projected prj(double ss, double sl, double x0, double y0, double scl, double alt, double az);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// A body on a Keplerian ellipse, as seen from the focus: the step shared by
// the planets and the Moon.
#pragma once

#include "common/tri.hpp"

namespace hz {

// Distance and direction of a body on its orbit.
struct OrbitPoint {
  double r;   // distance from the focus, units of a
  Polar dir;  // tri of the direction: d polar distance from the orbit's
              // pole axis, p azimuth from the ascending node (radians)
};

// Position on an inclined ellipse.
//
// Given:    a       semi-major axis.
//           e_kep   eccentricity, 0 <= e_kep < 1.
//           m_kep   mean anomaly, radians, -pi < m_kep <= pi.
//           incl    inclination, radians.
//           omega   argument of the pericentre, radians, any range.
// Returned:         distance and direction; the caller takes the latitude
//                   as pi/2 - d and the longitude as node + p.
// Notes:    Kepler's equation is solved for |m_kep| and the sign restored.
//           A pericentre distance below 0.00001 on the first axis is held
//           at 0.00001 for the true anomaly only (after r is taken).
OrbitPoint orbit_point(double a, double e_kep, double m_kep, double incl, double omega);

}  // namespace hz

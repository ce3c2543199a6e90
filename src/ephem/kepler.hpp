// SPDX-License-Identifier: GPL-3.0-or-later
// Kepler's equation and its root finder, shared by the planets and the Moon.
#pragma once

namespace hz {

// Kepler's equation as a function of the eccentric anomaly.
//
// Given:    x       eccentric anomaly, radians.
//           e_kep   eccentricity, 0 <= e_kep < 1.
//           m_kep   mean anomaly, radians; only its size is used.
// Returned:         x - e_kep sin x - |m_kep|.
double y_f(double x, double e_kep, double m_kep);

// Zero of y_f by false position (regula falsi).
//
// Given:    x1, x2  ends of an interval that brackets the zero (callers use
//                   0 and pi).
//           e       tolerance on |y_f| at the estimate (not the eccentricity).
//           e_kep   eccentricity, 0 <= e_kep < 1.
//           m_kep   mean anomaly, radians, -pi < m_kep <= pi.
// Returned:         the first estimate x with |y_f(x)| < e: the eccentric
//                   anomaly for |m_kep|, 0..pi; the caller restores the sign.
// Notes:    stops on the residual alone; the search on [0, pi] with e = 1e-4
//           takes at most about 510 steps for any e_kep < 1 (7 for the
//           planets' e_kep <= 0.25). After 1000 steps, or as soon as an
//           estimate is not finite (non-finite input, a degenerate bracket),
//           it gives up and returns NaN.
double root(double x1, double x2, double e, double e_kep, double m_kep);

}  // namespace hz

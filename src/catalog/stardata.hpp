// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the star table, precessed to an epoch.
#pragma once

#include "common/object_layout.hpp"

namespace hz {

// Load the 300 bright stars, carrying their positions from J2000.0 to the
// mean equator and equinox of the epoch t2000.
//
// Given:     t2000  epoch, Julian centuries from J2000.0
// Returned:  ra     indices 1..300: right ascension, hours
//            dc     indices 1..300: declination, degrees
//            mag    indices 1..300: visual magnitude
//            col    indices 1..300: spectral code 1..7 (O B A F G K M)
// Notes:
//   1. Annual precession m = 3.07491 s, n = 1.33622 s of time per year,
//      applied in two passes: the rates are evaluated again at the mid-point
//      of the first-pass motion and applied once from the J2000.0 place.
//   2. Results are not reduced: right ascension may fall below 0 h or
//      reach 24 h (it is used only through sine and cosine), and
//      declination is not clamped to +-90 degrees.
//   3. Index 0 of every array and indices 301..311 of ra and dc are left
//      untouched; they belong to the caller.
void stardata(double t2000, ObjectArray& ra, ObjectArray& dc, StarArray<double>& mag,
              StarArray<int>& col);

}  // namespace hz

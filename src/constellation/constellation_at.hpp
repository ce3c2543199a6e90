// SPDX-License-Identifier: GPL-3.0-or-later
// Which constellation a direction lies in, by the IAU boundaries.
#pragma once

#include <optional>

namespace hz {

// Given:
//   ra_h     J2000.0 right ascension, hours (any value; taken modulo 24)
//   dec_deg  J2000.0 declination, degrees, -90..90
// Returned:
//   the index into constellations of the constellation holding the
//   direction; none only for a direction that is not a number.
// Notes:
//   The boundaries are parallels and hour circles of B1875.0, so the
//   direction is precessed to B1875.0 (one rotation) and tested there. A
//   direction on a parallel belongs to the region north of it, on an hour
//   circle to the region east of it. Exact at the poles and across 0 h.
std::optional<int> constellation_at(double ra_h, double dec_deg);

}  // namespace hz

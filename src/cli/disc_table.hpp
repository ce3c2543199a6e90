// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace hz {

// --planets: the discs of the Moon, Mercury, Venus, Mars, Jupiter and Saturn
// at t2000 as tab-separated text: a header line, then one row a body:
//   body  name_ja  phase_angle_deg  lit_fraction  diameter_arcsec
//   elongation_deg  side  star
// side is evening (east of the Sun) or morning; star 宵の明星 or 明けの明星
// for Venus and Mercury, else empty.
std::string disc_table(double t2000);

}  // namespace hz

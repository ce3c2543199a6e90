// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace hz {

// One day's place of a body on its path (body_path.hpp).
struct PathPlace {
  double t2000 = 0, ut = 0;      // the moment: centuries from J2000.0, hours UT
  double ra_h = 0, dec_deg = 0;  // geocentric, as the frame's object table has it
  std::optional<double> xp, yp;  // on the surface, when above the horizon and in the field
};

}  // namespace hz

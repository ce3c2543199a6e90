// SPDX-License-Identifier: GPL-3.0-or-later
#include "time/sidereal.hpp"

#include <cmath>

#include "common/constants.hpp"

namespace hz {

double grn(double t2000, double ut) {
  // t2000 carries the time of day as well, hence ut plus the full rate.
  double gst = ut + 6.69736 + 2400.0513 * t2000;
  gst = gst + 0.00029 * std::sin((235 + 1934 * t2000) * rd);
  return gst - 24 * std::floor(gst / 24);
}

double local_sidereal_angle(double lon, double t2000, double ut) {
  return lon + 15 * grn(t2000, ut) * rd;
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/stardata.hpp"

#include <cmath>

#include "catalog/star_table.hpp"
#include "common/constants.hpp"

namespace hz {

void stardata(double t2000, ObjectArray& ra, ObjectArray& dc, StarArray<double>& mag,
              StarArray<int>& col) {
  // The J2000.0 places, indexed like the object table; live for this call only.
  StarArray<double> ra2000{};
  StarArray<double> dc2000{};
  for (int i = 1; i <= last_star; ++i) {
    const StarRow& row = star_table[i - 1];
    ra2000[i] = row.ra_h;
    dc2000[i] = row.dec_deg;
    mag[i] = row.mag;
    col[i] = row.code;
  }

  const double m = 3.07491 / 3600;  // hours per year
  const double n = 1.33622 / 3600;  // hours per year
  const double y = 100 * t2000;     // years from J2000.0

  for (int i = 1; i <= last_star; ++i) {
    const double a0 = ra2000[i];
    const double d0 = dc2000[i];
    // First pass, rates at the J2000.0 place.
    const double a1 = a0 + y * (m + n * std::sin(a0 * 15 * rd) * std::tan(d0 * rd));
    const double d1 = d0 + y * 15 * n * std::cos(a0 * 15 * rd);
    // Second pass, rates at the mid-point, applied from the J2000.0 place.
    const double am = (a0 + a1) / 2;
    const double dm = (d0 + d1) / 2;
    ra[i] = a0 + y * (m + n * std::sin(am * 15 * rd) * std::tan(dm * rd));
    dc[i] = d0 + y * 15 * n * std::cos(am * 15 * rd);
  }
}

}  // namespace hz

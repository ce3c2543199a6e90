// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/stardata.hpp"

#include "catalog/precession.hpp"
#include "catalog/star_table.hpp"

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

  const double y = 100 * t2000;  // years from J2000.0
  for (int i = 1; i <= last_star; ++i) {
    const EquatorialPlace p = precess_place(ra2000[i], dc2000[i], y);
    ra[i] = p.ra_h;
    dc[i] = p.dec_deg;
  }
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/dms.hpp"

#include <cmath>

namespace hz {

std::optional<Dms> dms(double& dd_dms, std::string_view c_dms, int p_dms) {
  if (c_dms != "min" && c_dms != "MIN") return std::nullopt;

  Dms out;
  out.sgn = dd_dms >= 0 ? '+' : '-';
  dd_dms = std::fabs(dd_dms);

  const double f = std::pow(10.0, p_dms);
  const double u = 60 * f;
  const double n = std::floor(dd_dms * u + 0.5);  // counted in units of 1/u, half up
  out.deg = std::floor(n / u);
  out.min = (n - u * out.deg) / f;
  return out;
}

}  // namespace hz

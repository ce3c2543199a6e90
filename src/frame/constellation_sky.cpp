// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/constellation_sky.hpp"

#include "catalog/precession.hpp"
#include "constellation/boundary_table.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"

namespace hz {
namespace {

// A J2000.0 place carried as the built-in stars are.
Vec3 precessed(double ra_h, double dec_deg, double years) {
  const EquatorialPlace p = precess_place(ra_h, dec_deg, years);
  return equatorial_vector(p.ra_h, p.dec_deg);
}

}  // namespace

const std::vector<Vec3>& ConstellationSky::builtin(const ObjectArray& ra_obj,
                                                   const ObjectArray& dc_obj) {
  if (builtin_.empty()) {
    builtin_.resize(last_star + 1, Vec3{0, 0, 1});
    for (int i = first_star; i <= last_star; ++i) {
      builtin_[i] = equatorial_vector(ra_obj[i], dc_obj[i]);
    }
  }
  return builtin_;
}

const std::vector<double>& ConstellationSky::extended_ra() {
  extended();
  return extended_ra_;
}

const std::vector<double>& ConstellationSky::extended_dec() {
  extended();
  return extended_dec_;
}

const std::vector<Vec3>& ConstellationSky::extended() {
  if (extended_.empty()) {
    extended_.reserve(extended_stars.size());
    for (const StarRow& row : extended_stars) {
      const EquatorialPlace p = precess_place(row.ra_h, row.dec_deg, years_);
      extended_ra_.push_back(p.ra_h);
      extended_dec_.push_back(p.dec_deg);
      extended_.push_back(equatorial_vector(p.ra_h, p.dec_deg));
    }
  }
  return extended_;
}

const std::vector<Vec3>& ConstellationSky::boundaries() {
  if (boundaries_.empty()) {
    boundaries_.reserve(boundary_points.size());
    for (const SkyPoint& p : boundary_points) {
      boundaries_.push_back(precessed(p.ra_h, p.dec_deg, years_));
    }
  }
  return boundaries_;
}

const std::vector<Vec3>& ConstellationSky::labels() {
  if (labels_.empty()) {
    labels_.reserve(constellations.size());
    for (const Constellation& c : constellations) {
      labels_.push_back(precessed(c.label_ra_h, c.label_dec_deg, years_));
    }
  }
  return labels_;
}

}  // namespace hz

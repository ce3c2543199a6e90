// SPDX-License-Identifier: GPL-3.0-or-later
// The constellations and the extended stars carried to the stars' epoch, as
// unit vectors of the equator of date, each part made when a frame first
// needs it: a frame with every new option off never makes any.
#pragma once

#include <vector>

#include "common/object_layout.hpp"
#include "render/sky_rotation.hpp"

namespace hz {

class ConstellationSky {
 public:
  // t2000: the epoch the built-in stars were precessed to.
  explicit ConstellationSky(double t2000) : years_(100 * t2000) {}

  // The built-in stars 1..300 (index 0 unused), from their places in the
  // object table.
  const std::vector<Vec3>& builtin(const ObjectArray& ra_obj, const ObjectArray& dc_obj);
  // The extended stars, row k at [k - 1]: places (hours, degrees) and vectors.
  const std::vector<double>& extended_ra();
  const std::vector<double>& extended_dec();
  const std::vector<Vec3>& extended();
  // The boundary points, as boundary_points.
  const std::vector<Vec3>& boundaries();
  // The label points, as constellations.
  const std::vector<Vec3>& labels();

 private:
  double years_;
  std::vector<Vec3> builtin_, extended_, boundaries_, labels_;
  std::vector<double> extended_ra_, extended_dec_;
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// Regions of the sky filled on the surface: rings of directions (each
// enclosing less than a hemisphere) cut at the horizon, projected and filled
// row by row by the even-odd rule, inside the field one pixel short of its
// edge. The Milky Way's levels are filled so.
#pragma once

#include <span>
#include <vector>

#include "render/field_geometry.hpp"
#include "render/sky_rotation.hpp"
#include "render/surface.hpp"

namespace hz {

class SkyFill {
 public:
  // Starts a new region, for a field.
  void begin(const FieldGeometry& field);
  // Adds a ring (the last point joined to the first), its directions in the
  // view frame: the part above the horizon, its sides in pieces of at most
  // two degrees, projected as the stars are.
  void add_ring(std::span<const ViewVec> ring);
  // The pixels inside an odd number of the rings added since begin.
  const std::vector<PixelSpan>& spans();

 private:
  struct Edge {
    double x0, y0, x1, y1;
  };
  FieldGeometry field_{0, 0, 1, 90};
  std::vector<Edge> edges_;
  std::vector<ViewVec> clipped_, scratch_;
  std::vector<Point> screen_;
  // An edge in the rows it crosses: x at the current row, its change a row,
  // its first and last rows.
  struct ActiveEdge {
    double x, step;
    int first, last;
  };
  std::vector<ActiveEdge> pending_, active_;
  std::vector<std::size_t> order_, bucket_start_, fill_at_;
  std::vector<double> crossings_;
  std::vector<PixelSpan> spans_;
  FieldGeometry halves_field_{0, 0, 0, 0};  // the field halves_ were worked out for
  std::vector<double> halves_;              // the field's half-width on each row
};

}  // namespace hz

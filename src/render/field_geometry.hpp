// SPDX-License-Identifier: GPL-3.0-or-later
// Where the sky's field lies on the drawing surface.
#pragma once

namespace hz {

// How the view is put on the surface: centre (pixels), scale (pixels per
// degree) and the field's radius (degrees, at most 90: the half of the sky in
// front of the observer). Unzoomed: xc_sky, yc_sky, scl_sky, r_sky.
struct FieldGeometry {
  double x0, y0, scl;
  double radius = 90;
};

}  // namespace hz

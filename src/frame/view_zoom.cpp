// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/view_zoom.hpp"

#include <algorithm>
#include <cmath>

#include "common/constants.hpp"

namespace hz {

double held_zoom(double zoom) {
  if (std::isnan(zoom)) return min_zoom;
  return std::clamp(zoom, min_zoom, max_zoom);
}

// At zoom 1 these are scl_sky and r_sky themselves, bit for bit.
double view_scale(const FrameOptions& options) { return scl_sky * held_zoom(options.zoom); }

double field_radius(const FrameOptions& options) { return r_sky / held_zoom(options.zoom); }

}  // namespace hz

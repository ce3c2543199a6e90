// SPDX-License-Identifier: GPL-3.0-or-later
// The field's geometry under the zoom: the same 270-pixel disc shows 90 / z
// degrees around the line of sight at 3 z pixels a degree. Every layer that
// projects or tests the field takes its scale and radius from here.
#pragma once

#include "frame/frame_options.hpp"

namespace hz {

// The zoom's range; a value outside it (or not a number) is held to it.
constexpr double min_zoom = 1;
constexpr double max_zoom = 16;

// The zoom held to min_zoom..max_zoom; 1 when not a number.
double held_zoom(double zoom);

// Pixels per degree of the field: scl_sky times the zoom.
double view_scale(const FrameOptions& options);

// The field's radius, degrees: r_sky over the zoom.
double field_radius(const FrameOptions& options);

}  // namespace hz

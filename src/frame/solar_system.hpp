// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/stardata.hpp"
#include "frame/frame_report.hpp"
#include "frame/frame_view.hpp"
#include "render/surface.hpp"

namespace hz {

// What the bodies' computation decides for the frame.
struct BodiesState {
  double mphase;                  // Sun's right ascension minus the Moon's, hours, not reduced
  int is_day;                     // 1 when the Sun's altitude is above 0 (exactly 0 is night)
  double moon_semi_diameter = 0;  // the Moon's apparent radius, radians
};

// The Moon's radius over the Earth's equatorial radius (1737.4 km over
// 6378.137 km), to turn its horizontal parallax into its apparent radius.
constexpr double moon_to_earth_radius = 1737.4 / 6378.137;

// Computes the Sun and the nine planets (the Earth included) and the Moon
// into ra_obj / dc_obj 301..311 (hours, degrees) and decides day or night.
BodiesState compute_bodies(const FrameView& view, ObjectArray& ra_obj, ObjectArray& dc_obj);

// Draws the mark of every body above the horizon and inside the field, in
// index order; never the Earth; by day with stars by day off only the Sun and
// the Moon. Records each body in report.objects. A Moon whose apparent
// radius on the surface exceeds its mark's is drawn at that size.
void draw_bodies(Surface& pic, const FrameView& view, const ObjectArray& ra_obj,
                 const ObjectArray& dc_obj, const BodiesState& bodies, FrameReport& report);

}  // namespace hz

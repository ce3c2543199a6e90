// SPDX-License-Identifier: GPL-3.0-or-later
// The ring around what 天体を探す found (FrameOptions::marked), drawn over
// the stars and the bodies, under the caption.
#pragma once

#include "frame/constellation_sky.hpp"
#include "frame/frame_report.hpp"
#include "frame/frame_view.hpp"
#include "render/surface.hpp"

namespace hz {

// The ring's radius, pixels; around a Moon drawn larger, this much wider
// than its disc.
constexpr double mark_radius = 12;
constexpr double mark_clearance = 4;

// Rings the marked target in col_mark (two circles, mark_radius and a pixel
// more) where it stands in this frame, when it is above the horizon and in
// the field, and records the ring's centre in report.mark. Draws nothing
// without a mark. moon_radius: the Moon's radius on the surface, pixels.
// Leaves the fill style as it found it.
void draw_find_mark(Surface& pic, const FrameView& view, ConstellationSky& sky, double moon_radius,
                    FrameReport& report);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "catalog/stardata.hpp"
#include "frame/frame_report.hpp"
#include "frame/frame_view.hpp"
#include "render/dome_cache.hpp"
#include "render/surface.hpp"

namespace hz {

// The stars as loaded at the first Start: positions in the object table,
// magnitudes and spectral codes by star index 1..300.
struct StarTables {
  StarArray<double> mag_st{};
  StarArray<int> col_st{};
};

// Dot radius in pixels for a magnitude: 2 below 1.6, 1.5 below 2.6, else 1.
double star_dot_size(double mag);

// Draws the dome, horizon, grid (in the sky colour when off) and legends
// (through dome, which redraws them only when the view changes).
void draw_dome(Surface& pic, DomeCache& dome, const FrameView& view, const FrameReport& report);

// Draws every star above the horizon and inside the field as a dot of its
// size and colour, unless it is day and stars by day are off (the stars are
// still converted then) or the star is fainter than the frame's magnitude
// limit. Records each star in report.objects.
void draw_stars(Surface& pic, const FrameView& view, const ObjectArray& ra_obj,
                const ObjectArray& dc_obj, const StarTables& stars, FrameReport& report);

// The dome, then the stars.
void draw_dome_and_stars(Surface& pic, DomeCache& dome, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                         const StarTables& stars, FrameReport& report);

}  // namespace hz

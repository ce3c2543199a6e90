// SPDX-License-Identifier: GPL-3.0-or-later
// The constellations of a frame: boundaries, figure lines and names, and the
// stars of the extended table, drawn after the dome and before the built-in
// stars, so the stars and bodies lie on top. All of it is hidden by day, as
// the stars are, unless stars by day are chosen.
#pragma once

#include <vector>

#include "frame/constellation_sky.hpp"
#include "frame/frame_report.hpp"
#include "frame/frame_view.hpp"
#include "frame/label_room.hpp"
#include "frame/star_field.hpp"
#include "render/sky_arcs.hpp"
#include "render/surface.hpp"

namespace hz {

// Angle of the straight pieces a figure line is drawn in, radians: 2 degrees
// (6 pixels), where the projection bends a straight line by a fraction of a
// pixel.
constexpr double figure_piece = 2 * rd;
// Pixels between the dots of a boundary.
constexpr double boundary_dot_spacing = 4;

// Estimated width in pixels of a text in the surface's 12-pixel font: full
// width (12) for every character but ASCII (6). Japanese names are all full
// width.
double text_width(const char* utf8);

// A constellation's label point in a frame.
struct LabelRow {
  double alt = 0, az = 0;        // radians
  std::optional<double> xp, yp;  // where the name is centred, when in the field
  bool drawn = false;            // the name was drawn
};

// The label point of every constellation in a frame, in the order of
// constellations: worked out from the frame's moment, place and view when
// asked (the renderer's table), the very places the names were drawn at.
std::vector<LabelRow> label_rows(const FrameReport& frame);

// What a frame draws the faint stars and the boundaries with, kept for the
// next frame to reuse.
struct ConstellationScratch {
  // The faint stars' centres by colour code (+ 8 dimmed) and by dot: one
  // pixel, or a disc of radius 1, 1.5 or 2.
  std::vector<Point> dots[16][4];
  DottedPen pen{boundary_dot_spacing};  // the boundaries' dots
};

// Draws what the frame's options ask for and records the extended stars and
// the label points in report (report.options, is_day, sky and the view
// decide); no name covers keep_clear (label_room.hpp).
// Leaves the surface's fore colour, fill and current position as it found
// them. scratch is reused from frame to frame. The boxes of the names
// drawn are added to names_taken, when given.
void draw_constellations(Surface& pic, ConstellationSky& sky, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                         ConstellationScratch& scratch, const std::vector<LabelBox>& keep_clear,
                         FrameReport& report, std::vector<LabelBox>* names_taken = nullptr);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The reference lines of the sky: 天の赤道, 黄道 (with 春分点 and 秋分点),
// 子午線 and the equatorial grid (赤経 every hour, 赤緯 every 10 degrees).
// Each is a list of directions of the equator of the stars' epoch, drawn as
// great-circle pieces between neighbours, cut at the horizon and the field's
// edge as the figures are.
#pragma once

#include <vector>

#include "frame/frame_view.hpp"
#include "frame/sky_labels.hpp"
#include "render/sky_rotation.hpp"
#include "render/surface.hpp"

namespace hz {

// A line along the sky: its directions in order.
using SkyPath = std::vector<Vec3>;

// The celestial equator, a point every two degrees, closed.
const SkyPath& equator_path();
// The ecliptic as the Sun's places are worked out (ecleq, its fixed
// obliquity), a point every two degrees of longitude, closed.
const SkyPath& ecliptic_path();
// The meridian through the poles, the zenith and the north and south points,
// for a local sidereal angle (frame_view's theta), a point every two degrees,
// closed.
SkyPath meridian_path(double theta);

// The equatorial grid for a magnification: the hour circles 0h..23h, pole to
// pole, then the circles of declination -80..80 every 10 degrees, closed;
// in pieces of 3 degrees, finer when magnified 4 times or more.
struct GridLine {
  bool hour_circle;  // else a circle of declination
  int value;         // hours 0..23, or degrees
  SkyPath path;
};
const std::vector<GridLine>& equatorial_grid(double zoom);

// Draws the path's pieces on the surface in c where they lie above the horizon
// and inside the field. points is scratch, reused.
void draw_sky_path(Surface& pic, const FieldGeometry& field, const SkyRotation& rot,
                   const SkyPath& path, Rgb c, std::vector<Point>& points);

// The lines the options ask for, the equinoxes ringed on the ecliptic.
void draw_reference_lines(Surface& pic, const FrameView& view, const FrameOptions& o,
                          std::vector<Point>& points);

// Their labels queued: 春分点 and 秋分点, the grid's hours along the circle
// of declination nearest the line of sight and its degrees along the nearest
// hour circle.
void place_reference_labels(const FrameView& view, const FrameOptions& o,
                            std::vector<LabelBox>& taken, LabelBatch& equinoxes,
                            LabelBatch& grid_labels);

}  // namespace hz

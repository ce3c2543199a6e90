// SPDX-License-Identifier: GPL-3.0-or-later
// Lines along the sky drawn into the field: a figure line or a piece of a
// boundary runs along a great circle; what lies below the horizon or outside
// the field is cut off, one pixel short of the horizon and of the field's
// edge, so neither line is touched and nothing pokes out.
#pragma once

#include <vector>

#include "render/field_geometry.hpp"
#include "render/sky_rotation.hpp"
#include "render/surface.hpp"

namespace hz {

// Dots along a line at even spacing, the spacing carried over from one
// piece to the next, so a polyline comes out as one dotted line. The dots
// are gathered, to be drawn at once (Surface::pset_all).
class DottedPen {
 public:
  explicit DottedPen(double spacing) : spacing_(spacing) {}
  // Starts a new line: its first dot comes at its start.
  void lift() { left_ = 0; }
  // Starts afresh, the dots gone (their room kept for the next frame's).
  void clear() {
    left_ = 0;
    dots_.clear();
  }
  void stroke(Point a, Point b);
  const std::vector<Point>& dots() const { return dots_; }

 private:
  double spacing_;
  double left_ = 0;  // distance to go before the next dot
  std::vector<Point> dots_;
};

// Whether a direction stands at least one pixel above the horizon and one
// pixel inside the field.
bool well_inside(const FieldGeometry& g, const ViewVec& p);

// The same test with its two bounds worked out once, for a path of many
// points: the least zenith component and the least w.
struct WellInside {
  double zenith, w;
  bool operator()(const ViewVec& p) const { return p.zenith >= zenith && p.w >= w; }
};
WellInside well_inside_test(const FieldGeometry& g);

// Draws the arc from a to b (less than 180 degrees apart) where it is at
// least one pixel above the horizon and one pixel inside the field, in
// straight pieces of at most max_piece radians. With a pen the pieces go to
// its dots (and c is not used), otherwise they are drawn as solid lines.
// Returns whether anything was drawn.
bool draw_sky_arc(Surface& pic, const FieldGeometry& g, const ViewVec& a, const ViewVec& b, Rgb c,
                  double max_piece, DottedPen* pen = nullptr);
// The same with the field's bounds (well_inside_test) worked out once by a
// caller that draws many arcs.
bool draw_sky_arc(Surface& pic, const FieldGeometry& g, const WellInside& bounds, const ViewVec& a,
                  const ViewVec& b, Rgb c, double max_piece, DottedPen* pen = nullptr);

// Whether every point of the box (pixels, left, top, width, height) lies
// inside the field and above the horizon, for a rotation's view: a text box
// drawn there stays in the field.
bool box_inside(const FieldGeometry& g, const SkyRotation& rot, double left, double top,
                double width, double height);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/sky_labels.hpp"

#include <cmath>

#include "frame/constellation_layer.hpp"
#include "render/sky_arcs.hpp"

namespace hz {

std::optional<Point> point_on_surface(const FieldGeometry& field, const SkyRotation& rot,
                                      const Vec3& e) {
  const ViewVec p = rot.view(e);
  if (!well_inside(field, p)) return std::nullopt;
  const Projected s = project_view(p, field.x0, field.y0, field.scl);
  return Point{s.xp, s.yp};
}

namespace {

// Whether a box lies inside the field and at least a pixel above the horizon
// by a quick test, which may say no to a box that is: the corners inside the
// field's disc (the field is convex on the surface), and the box's centre
// higher than its half diagonal and a pixel. The projection keeps the
// distance from the centre of the view and never shrinks one across it, so
// no point of the box is further from its centre on the sky than on the
// surface. Most labels pass, without box_inside's nine inverse projections.
bool clear_of_horizon(const FieldGeometry& field, const SkyRotation& rot, const LabelBox& box) {
  const double r = field.radius * field.scl - 1;
  for (double x : {box.left, box.left + box.width}) {
    for (double y : {box.top, box.top + box.height}) {
      const double dx = x - field.x0, dy = y - field.y0;
      if (dx * dx + dy * dy > r * r) return false;
    }
  }
  const double cx = box.left + box.width / 2, cy = box.top + box.height / 2;
  const auto p = unproject(cx, cy, field.x0, field.y0, field.scl);
  if (!p) return false;
  const ViewVec v = rot.view(rot.equator_of_view(*p));
  const double half_diagonal = std::hypot(box.width, box.height) / 2 + 1;
  return v.zenith >= std::sin(half_diagonal * rd / field.scl);
}

}  // namespace

std::vector<Point> label_places(Point p, double width, double gap) {
  const double h = label_line_height;
  return {{p.x + gap, p.y - h / 2},
          {p.x - gap - width, p.y - h / 2},
          {p.x - width / 2, p.y - gap - h},
          {p.x - width / 2, p.y + gap}};
}

bool place_label(LabelBatch& batch, std::string text, std::span<const Point> places,
                 const FieldGeometry& field, const SkyRotation& rot, std::vector<LabelBox>& taken) {
  const double width = text_width(text.c_str());
  for (const Point& c : places) {
    const LabelBox box{c.x, c.y, width, label_line_height};
    if (!label_fits(box, taken)) continue;
    if (!clear_of_horizon(field, rot, box) &&
        !box_inside(field, rot, box.left, box.top, box.width, box.height))
      continue;
    taken.push_back(box);
    batch.texts.push_back(std::move(text));
    batch.corners.push_back(c);
    return true;
  }
  return false;
}

void print_labels(Surface& pic, std::span<const LabelBatch> batches, Rgb sky) {
  // The four side neighbours: enough to part a text from a line through it,
  // at half the cost of all eight. Every outline goes down before any text.
  static constexpr Point around[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
  std::vector<std::vector<PlacedText>> texts(batches.size());
  for (std::size_t b = 0; b < batches.size(); ++b) {
    for (std::size_t k = 0; k < batches[b].texts.size(); ++k)
      texts[b].push_back({batches[b].corners[k].x, batches[b].corners[k].y, batches[b].texts[k]});
  }
  pic.set_fore_color(sky);
  for (const std::vector<PlacedText>& batch : texts) pic.print_outlines(batch, around);
  for (std::size_t b = 0; b < batches.size(); ++b) {
    if (texts[b].empty()) continue;
    pic.set_fore_color(batches[b].colour);
    pic.print_all(texts[b]);
  }
}

}  // namespace hz

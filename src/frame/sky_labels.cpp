// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/sky_labels.hpp"

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
    if (!box_inside(field, rot, box.left, box.top, box.width, box.height)) continue;
    taken.push_back(box);
    batch.texts.push_back(std::move(text));
    batch.corners.push_back(c);
    return true;
  }
  return false;
}

void print_labels(Surface& pic, const LabelBatch& batch, Rgb sky) {
  if (batch.texts.empty()) return;
  static constexpr Point around[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                     {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
  std::vector<PlacedText> texts(batch.texts.size());
  pic.set_fore_color(sky);
  for (const Point& d : around) {
    for (std::size_t k = 0; k < texts.size(); ++k)
      texts[k] = {batch.corners[k].x + d.x, batch.corners[k].y + d.y, batch.texts[k]};
    pic.print_all(texts);
  }
  for (std::size_t k = 0; k < texts.size(); ++k)
    texts[k] = {batch.corners[k].x, batch.corners[k].y, batch.texts[k]};
  pic.set_fore_color(batch.colour);
  pic.print_all(texts);
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/lesson_stars_layer.hpp"

#include <cmath>

#include "catalog/star_table.hpp"
#include "common/picture_colours.hpp"
#include "constellation/lesson_stars.hpp"
#include "frame/constellation_layer.hpp"
#include "render/sky_arcs.hpp"

namespace hz {
namespace {

FieldGeometry field_of(const FrameView& view) { return {xc_sky, yc_sky, view.scale, view.radius}; }

// The built-in rows of a path's stars, found once.
const std::vector<std::vector<int>>& asterism_rows() {
  static const std::vector<std::vector<int>> rows = [] {
    std::vector<std::vector<int>> all;
    for (const Asterism& a : asterisms()) {
      std::vector<int> r;
      for (std::string_view d : a.path) r.push_back(builtin_row_of(d));
      all.push_back(std::move(r));
    }
    return all;
  }();
  return rows;
}

const std::vector<int>& lesson_rows() {
  static const std::vector<int> rows = [] {
    std::vector<int> r;
    for (const LessonStar& s : lesson_stars()) r.push_back(builtin_row_of(s.designation));
    return r;
  }();
  return rows;
}

}  // namespace

void draw_asterism_lines(Surface& pic, ConstellationSky& sky, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj) {
  const std::vector<Vec3>& stars = sky.builtin(ra_obj, dc_obj);
  const SkyRotation rot = frame_rotation(view);
  const FieldGeometry field = field_of(view);
  for (const std::vector<int>& rows : asterism_rows()) {
    for (std::size_t k = 1; k < rows.size(); ++k) {
      if (rows[k - 1] == 0 || rows[k] == 0) continue;
      draw_sky_arc(pic, field, rot.view(stars[rows[k - 1]]), rot.view(stars[rows[k]]), col_asterism,
                   figure_piece);
    }
  }
}

void place_lesson_names(ConstellationSky& sky, const FrameView& view, const FrameOptions& o,
                        const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                        std::vector<LabelBox>& taken, LabelBatch& star_names,
                        LabelBatch& asterism_names) {
  const std::vector<Vec3>& stars = sky.builtin(ra_obj, dc_obj);
  const SkyRotation rot = frame_rotation(view);
  const FieldGeometry field = field_of(view);
  const auto screen = [&](const Vec3& e) { return point_on_surface(field, rot, e); };
  if (o.star_names) {
    star_names.colour = col_star_label;
    const auto names = lesson_stars();
    const std::vector<int>& rows = lesson_rows();
    for (std::size_t k = 0; k < names.size(); ++k) {
      // Only a star drawn: not one fainter than the magnitude limit.
      if (rows[k] == 0) continue;
      if (o.magnitude_limit && !(star_table[rows[k] - 1].mag <= *o.magnitude_limit)) continue;
      const auto s = screen(stars[rows[k]]);
      if (!s) continue;
      place_label(star_names, names[k].japanese, label_places(*s, text_width(names[k].japanese), 5),
                  field, rot, taken);
    }
  }
  if (o.asterisms) {
    asterism_names.colour = col_asterism;
    const auto all = asterisms();
    for (std::size_t k = 0; k < all.size(); ++k) {
      // The middle of its stars (each once).
      Vec3 m{0, 0, 0};
      const std::vector<int>& rows = asterism_rows()[k];
      const bool closed = rows.front() == rows.back();
      for (std::size_t i = closed ? 1 : 0; i < rows.size(); ++i) {
        m.x += stars[rows[i]].x;
        m.y += stars[rows[i]].y;
        m.z += stars[rows[i]].z;
      }
      const double n = std::sqrt(m.x * m.x + m.y * m.y + m.z * m.z);
      if (n == 0) continue;
      const auto s = screen({m.x / n, m.y / n, m.z / n});
      if (!s) continue;
      const double width = text_width(all[k].japanese);
      const double h = label_line_height;
      const Point places[] = {{s->x - width / 2, s->y - h / 2},
                              {s->x - width / 2, s->y + h / 2},
                              {s->x - width / 2, s->y - 3 * h / 2}};
      place_label(asterism_names, all[k].japanese, places, field, rot, taken);
    }
  }
}

}  // namespace hz

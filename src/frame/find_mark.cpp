// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/find_mark.hpp"

#include <algorithm>
#include <optional>

#include "common/object_layout.hpp"
#include "constellation/constellations.hpp"
#include "constellation/generated/table_sizes.hpp"

namespace hz {
namespace {

// The pixel of a fixed direction of the stars' epoch, when above the horizon
// and in the field.
std::optional<Point> fixed_pixel(const FrameView& view, const Vec3& e) {
  const SkyRotation rot = frame_rotation(view);
  if (rot.horizon(e).z < 0) return std::nullopt;
  const Projected p = project_view(rot.view(e), xc_sky, yc_sky, view.scale);
  if (p.d / rd > view.radius) return std::nullopt;
  return Point{p.xp, p.yp};
}

std::optional<Point> marked_pixel(const FrameView& view, ConstellationSky& sky,
                                  const MarkedTarget& m, const FrameReport& report) {
  if (m.constellation) {
    if (m.index < 0 || m.index >= constellation_count) return std::nullopt;
    return fixed_pixel(view, sky.labels()[static_cast<std::size_t>(m.index)]);
  }
  if (m.index >= first_extended && m.index < first_extended + extended_star_count)
    return fixed_pixel(view, sky.extended()[static_cast<std::size_t>(m.index - first_extended)]);
  if (m.index < 1 || m.index >= object_table_size || m.index == earth_index) return std::nullopt;
  const ObjectRow& row = report.objects[static_cast<std::size_t>(m.index)];
  if (!row.alt || *row.alt < 0 || !row.d || *row.d / rd > view.radius) return std::nullopt;
  return Point{*row.xp, *row.yp};
}

}  // namespace

void draw_find_mark(Surface& pic, const FrameView& view, ConstellationSky& sky, double moon_radius,
                    FrameReport& report) {
  report.mark.reset();
  if (!report.options.marked) return;
  const MarkedTarget& m = *report.options.marked;
  const std::optional<Point> at = marked_pixel(view, sky, m, report);
  if (!at) return;
  const double radius = !m.constellation && m.index == moon_index
                            ? std::max(mark_radius, moon_radius + mark_clearance)
                            : mark_radius;
  const FillStyle fill = pic.fill_style();
  pic.set_fill_style(FillStyle::transparent);
  pic.circle(at->x, at->y, radius, col_mark);
  pic.circle(at->x, at->y, radius + 1, col_mark);
  pic.set_fill_style(fill);
  report.mark = at;
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/label_room.hpp"

#include <algorithm>

#include "frame/constellation_layer.hpp"
#include "render/dome_legend.hpp"

namespace hz {

std::vector<LabelBox> kept_clear(const FrameView& view, const CaptionLines& caption,
                                 std::optional<Point> moon, double moon_radius) {
  std::vector<LabelBox> boxes;
  const double ss = view.view_alt * rd, sl = view.view_az * rd;
  for (const auto& p : cardinal_points(ss, sl, xc_sky, yc_sky, view.radius, view.scale,
                                       cardinal_tolerance(view.radius, view.scale))) {
    if (!p) continue;
    // The circle of radius 2 and the full-width letter beneath it.
    boxes.push_back({p->x + cardinal_label_dx, p->y - 3, label_line_height,
                     cardinal_label_dy + label_line_height + 3});
  }
  const double lines_height = text_line2_y - text_line1_y + label_line_height;
  const double caption_width =
      std::max(text_width(caption.date.c_str()), text_width(caption.time.c_str()));
  boxes.push_back({caption_x, text_line1_y, caption_width, lines_height});
  // The legend: its sample lines start 20 pixels left of the field's centre,
  // its text runs to the surface's edge.
  const double legend_left = xc_sky - 20;
  boxes.push_back({legend_left, text_line1_y, surface_width - legend_left, lines_height});
  if (moon) {
    boxes.push_back(
        {moon->x - moon_radius, moon->y - moon_radius, 2 * moon_radius + 1, 2 * moon_radius + 1});
  }
  return boxes;
}

bool label_fits(const LabelBox& box, const std::vector<LabelBox>& taken) {
  const LabelBox outlined = box.grown(label_outline);
  return std::none_of(taken.begin(), taken.end(),
                      [&](const LabelBox& b) { return b.overlaps(outlined); });
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/dome_legend.hpp"

#include "common/constants.hpp"
#include "render/projection.hpp"

namespace hz {

bool draw_legend_and_cardinal_points(Surface& pic, std::string_view first_line, double ss,
                                     double sl, double x0, double y0, double r, double scl,
                                     double tolerance, Rgb col2) {
  const double line1_y = text_line1_y + legend_line_dy, line2_y = text_line2_y + legend_line_dy;
  pic.line(x0 - 20, line1_y, x0 + 80, line1_y, pic.fore_color());
  pic.set_current(x0 + legend_text_dx, text_line1_y);
  pic.print(first_line);
  pic.set_fore_color(col2);
  pic.line(x0 - 20, line2_y, x0 + 80, line2_y, pic.fore_color());
  pic.set_current(x0 + legend_text_dx, text_line2_y);
  pic.print("地平線");

  static constexpr const char* labels[4] = {"北", "東", "南", "西"};
  const auto points = cardinal_points(ss, sl, x0, y0, r, scl, tolerance);
  bool cardinal_drawn = false;
  for (int k = 0; k < 4; ++k) {
    if (const auto& p = points[static_cast<std::size_t>(k)]) {
      pic.set_fill_style(FillStyle::transparent);
      pic.circle(p->x, p->y, 2, pic.fore_color());
      pic.set_current(p->x + cardinal_label_dx, p->y + cardinal_label_dy);
      pic.print(labels[k]);
      cardinal_drawn = true;
    }
  }
  return cardinal_drawn;
}

double cardinal_tolerance(double r, double scl) { return r < r_sky ? 1.5 / scl : 0.5; }

std::array<std::optional<Point>, 4> cardinal_points(double ss, double sl, double x0, double y0,
                                                    double r, double scl, double tolerance) {
  std::array<std::optional<Point>, 4> points;
  for (int k = 0; k < 4; ++k) {
    const int a = 90 * k;
    const Projected p = prj(ss, sl, x0, y0, scl, 0 * rd, a * rd);
    if (p.d / rd < r + tolerance) points[static_cast<std::size_t>(k)] = Point{p.xp, p.yp};
  }
  return points;
}

}  // namespace hz

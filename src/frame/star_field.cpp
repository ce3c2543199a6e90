// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/star_field.hpp"

namespace hz {

double star_dot_size(double mag) {
  double size = 1;
  if (mag < 2.6) size = 1.5;
  if (mag < 1.6) size = 2;
  return size;
}

void draw_dome(Surface& pic, DomeCache& dome, const FrameView& view, const FrameReport& report) {
  const Rgb grid = report.options.grid ? col_grid : report.sky;
  dome.sph(pic, view.view_alt, view.view_az, xc_sky, yc_sky, view.radius, view.scale, grid, col_hor,
           col_text);
}

void draw_dome_and_stars(Surface& pic, DomeCache& dome, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                         const StarTables& stars, FrameReport& report) {
  draw_dome(pic, dome, view, report);
  draw_stars(pic, view, ra_obj, dc_obj, stars, report);
}

void draw_stars(Surface& pic, const FrameView& view, const ObjectArray& ra_obj,
                const ObjectArray& dc_obj, const StarTables& stars, FrameReport& report) {
  const bool show = report.is_day == 0 || report.options.stars_by_day;
  const std::optional<double> limit = report.options.magnitude_limit;
  for (int i = first_star; i <= last_star; ++i) {
    ObjectRow& row = report.objects[i];
    const auto p = place_in_field(view, ra_obj[i], dc_obj[i], row);
    if (!p) continue;

    const Rgb colour = col_tbl[stars.col_st[i]];
    pic.set_fill_style(FillStyle::solid);
    pic.set_fill_color(colour);
    if (show && (!limit || stars.mag_st[i] <= *limit)) {
      pic.circle(p->xp, p->yp, star_dot_size(stars.mag_st[i]), colour);
      row.drawn = true;
    }
  }
}

}  // namespace hz

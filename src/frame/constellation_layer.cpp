// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/constellation_layer.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "constellation/boundary_table.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"
#include "render/sky_arcs.hpp"

namespace hz {
namespace {

// The field on the surface: the arcs are cut at its edge.
FieldGeometry field_of(const FrameView& view) { return {xc_sky, yc_sky, view.scale, view.radius}; }
constexpr double name_height = label_line_height;

void draw_boundaries(Surface& pic, const FieldGeometry& field, ConstellationSky& sky,
                     const SkyRotation& rot, ConstellationScratch& scratch) {
  const std::vector<Vec3>& e = sky.boundaries();
  const WellInside inside = well_inside_test(field);
  const double per_radian = pixels_per_radian(field.scl);
  DottedPen& pen = scratch.pen;
  pen.clear();
  // Each point projected once, as its line comes to it; a piece with an end
  // near or beyond the horizon or the field's edge is cut by draw_sky_arc.
  // The point before and this one take turns in two slots, not copied from
  // one to the other.
  ViewVec view[2];
  Point screen[2];
  bool well[2];
  for (const BoundaryLine& line : boundary_lines) {
    pen.lift();
    for (std::uint32_t k = line.first; k < line.first + line.count; ++k) {
      const std::uint32_t now = k & 1, before = now ^ 1;
      view[now] = rot.view(e[k]);
      well[now] = inside(view[now]);
      if (well[now]) {
        const Projected s = project_view_at(view[now], field.x0, field.y0, per_radian);
        screen[now] = {s.xp, s.yp};
      }
      if (k == line.first) continue;
      if (well[before] && well[now])
        pen.stroke(screen[before], screen[now]);
      else
        draw_sky_arc(pic, field, inside, view[before], view[now], col_boundary, figure_piece, &pen);
    }
  }
  pic.pset_all(pen.dots(), col_boundary);
}

// The label points, for the label vectors of the stars' epoch.
// Without with_horizon, the altitudes and azimuths are left at 0: a frame
// draws the names from the places alone.
std::vector<LabelRow> label_rows_of(const FieldGeometry& field, const SkyRotation& rot,
                                    const std::vector<Vec3>& labels, bool with_horizon) {
  std::vector<LabelRow> rows(labels.size());
  for (std::size_t k = 0; k < labels.size(); ++k) {
    LabelRow& row = rows[k];
    if (with_horizon) {
      const Horizon h = alt_az_of(rot.horizon(labels[k]));
      row.alt = h.alt;
      row.az = h.az;
    }
    const ViewVec p = rot.view(labels[k]);
    if (!well_inside(field, p)) continue;
    const Projected s = project_view(p, field.x0, field.y0, field.scl);
    row.xp = s.xp;
    row.yp = s.yp;
  }
  return rows;
}

// The eight neighbours of a pixel: a label's outline is its text drawn
// there in the sky's colour, under the text itself.
constexpr Point outline_offsets[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                     {1, 0},   {-1, 1}, {0, 1},  {1, 1}};

// Each name centred on its label point, or a line lower or higher when
// another name, a cardinal point, the caption, the legend or the Moon is
// there (keep_clear); left out when it finds no free place in the field.
// The names are outlined in the sky's colour, so the lines that cross them
// do not break their characters.
void draw_names(Surface& pic, const FieldGeometry& field, ConstellationSky& sky,
                const SkyRotation& rot, bool drawn_now, const std::vector<LabelBox>& keep_clear,
                FrameReport& report, std::vector<LabelBox>* names_taken) {
  std::vector<LabelBox> taken = keep_clear;
  std::vector<PlacedText> texts;
  const std::vector<LabelRow> rows = label_rows_of(field, rot, sky.labels(), false);
  for (std::size_t k = 0; k < constellations.size(); ++k) {
    const LabelRow& row = rows[k];
    if (!drawn_now || !row.xp || !row.yp) continue;
    const double width = text_width(constellations[k].japanese);
    for (double shift : {0.0, name_height, -name_height}) {
      const LabelBox box{*row.xp - width / 2, *row.yp - name_height / 2 + shift, width,
                         name_height};
      if (!label_fits(box, taken)) continue;
      if (!box_inside(field, rot, box.left, box.top, box.width, box.height)) continue;
      texts.push_back({box.left, box.top, constellations[k].japanese});
      taken.push_back(box);
      report.names_drawn.push_back(static_cast<int>(k));
      break;
    }
  }
  if (names_taken)
    names_taken->insert(names_taken->end(), taken.begin() + keep_clear.size(), taken.end());
  if (texts.empty()) return;
  pic.set_fore_color(report.sky);
  pic.print_outlines(texts, outline_offsets);
  pic.set_fore_color(col_name);
  pic.print_all(texts);
}

// The faint stars are small, so that thousands of them leave the names and
// the figures readable: from magnitude 4 on a single pixel, from 5 on in a
// dimmer colour; the brighter ones are sized as the built-in stars are.
constexpr double single_pixel_from = 4;
constexpr double dim_from = 5;
// A star's colour at five eighths of its brightness.
constexpr Rgb dimmed(Rgb c) {
  return rgb(red_of(c) * 5 / 8, green_of(c) * 5 / 8, blue_of(c) * 5 / 8);
}
constexpr bool dim_colours_unlike_the_frame() {
  for (int code = 1; code < 8; ++code) {
    const Rgb c = dimmed(col_tbl[code]);
    if (!detail::unlike_the_frame(c) || c == col_figure || c == col_name || c == col_boundary)
      return false;
  }
  return true;
}
// Never the Moon's colour above all: its fill reads colours back.
static_assert(dim_colours_unlike_the_frame());

// The extended stars to the limit, their dots gathered by colour (the
// spectral code, then the same dimmed) and put down at once.
void draw_extended_stars(Surface& pic, const FieldGeometry& field, ConstellationSky& sky,
                         const SkyRotation& rot, bool drawn_now, ConstellationScratch& scratch,
                         FrameReport& report) {
  const double limit = *report.options.magnitude_limit;
  report.extended.resize(extended_stars.size());
  const std::vector<Vec3>& e = sky.extended();
  const std::vector<double>& ra = sky.extended_ra();
  const std::vector<double>& dec = sky.extended_dec();
  constexpr double dot_radius[4] = {0, 1, 1.5, 2};
  const double per_radian = pixels_per_radian(field.scl);
  for (auto& by_colour : scratch.dots) {
    for (auto& dots : by_colour) dots.clear();
  }

  for (std::size_t k = 0; k < extended_stars.size(); ++k) {
    // Field by field: a whole new row was cleared by a slow block store.
    ExtendedRow& row = report.extended[k];
    row.ra_h = ra[k];
    row.dec_deg = dec[k];
    row.horizon = rot.horizon(e[k]);
    row.d.reset();
    row.xp.reset();
    row.yp.reset();
    row.drawn = false;
    if (row.horizon.z < 0) continue;
    const Projected s = project_view_at(rot.view(e[k]), field.x0, field.y0, per_radian);
    row.d = s.d;
    row.xp = s.xp;
    row.yp = s.yp;
    const StarRow& star = extended_stars[k];
    if (s.d / rd > field.radius || !drawn_now || !(star.mag <= limit)) continue;
    const double size = star_dot_size(star.mag);
    const int dot = star.mag >= single_pixel_from ? 0 : size == 1 ? 1 : size == 1.5 ? 2 : 3;
    const int colour = star.code + (star.mag >= dim_from ? 8 : 0);
    scratch.dots[colour][dot].push_back({std::rint(s.xp), std::rint(s.yp)});
    row.drawn = true;
  }
  // Dots of one colour may overlap in any order; the colours go down in
  // order, each dimmed one after its bright one.
  for (int code = 1; code < 8; ++code) {
    for (int colour : {code, code + 8}) {
      const Rgb c = colour == code ? col_tbl[code] : dimmed(col_tbl[code]);
      for (int dot = 0; dot < 4; ++dot) pic.discs(scratch.dots[colour][dot], dot_radius[dot], c);
    }
  }
}

}  // namespace

std::vector<LabelRow> label_rows(const FrameReport& frame) {
  const FrameView view = view_of(frame);
  ConstellationSky sky(frame.stars_epoch);
  std::vector<LabelRow> rows =
      label_rows_of(field_of(view), frame_rotation(view), sky.labels(), true);
  for (int k : frame.names_drawn) rows[static_cast<std::size_t>(k)].drawn = true;
  return rows;
}

double text_width(const char* utf8) {
  double width = 0;
  for (const char* c = utf8; *c; ++c) {
    const auto b = static_cast<unsigned char>(*c);
    if (b < 0x80)
      width += 6;
    else if ((b & 0xC0) != 0x80)
      width += 12;  // the first byte of a character beyond ASCII
  }
  return width;
}

void draw_constellations(Surface& pic, ConstellationSky& sky, const FrameView& view,
                         const ObjectArray& ra_obj, const ObjectArray& dc_obj,
                         ConstellationScratch& scratch, const std::vector<LabelBox>& keep_clear,
                         FrameReport& report, std::vector<LabelBox>* names_taken) {
  const FrameOptions& o = report.options;
  const SkyRotation rot = frame_rotation(view);
  const FieldGeometry field = field_of(view);
  const bool drawn_now = report.is_day == 0 || o.stars_by_day;

  if (!o.magnitude_limit) report.extended.clear();
  report.names_drawn.clear();
  if (!o.any_constellation() && !o.magnitude_limit) return;

  const Rgb fore = pic.fore_color();
  const FillStyle fill_style = pic.fill_style();
  const Rgb fill = pic.fill_color();
  const double cur_x = pic.current_x(), cur_y = pic.current_y();

  if (o.constellation_boundaries && drawn_now) draw_boundaries(pic, field, sky, rot, scratch);

  if (o.constellation_lines && drawn_now) {
    const std::vector<Vec3>& builtin = sky.builtin(ra_obj, dc_obj);
    const std::vector<Vec3>& extended = sky.extended();
    const auto end = [&](const StarRef& s) {
      return rot.view(s.table == StarTable::builtin ? builtin[s.row] : extended[s.row - 1]);
    };
    const WellInside bounds = well_inside_test(field);
    for (const FigureLine& line : figure_lines) {
      draw_sky_arc(pic, field, bounds, end(line.from), end(line.to), col_figure, figure_piece);
    }
  }
  if (o.constellation_names)
    draw_names(pic, field, sky, rot, drawn_now, keep_clear, report, names_taken);
  if (o.magnitude_limit) draw_extended_stars(pic, field, sky, rot, drawn_now, scratch, report);

  pic.set_fore_color(fore);
  pic.set_fill_style(fill_style);
  pic.set_fill_color(fill);
  pic.set_current(cur_x, cur_y);
}

}  // namespace hz

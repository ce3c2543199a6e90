#include "frame/constellation_layer.hpp"

#include <algorithm>

#include "constellation/boundary_table.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"
#include "render/sky_arcs.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

// The field is the half of the sky in front of the observer: the arcs are
// cut at the plane of the line of sight.
static_assert(r_sky == 90);

constexpr FieldGeometry field{xc_sky, yc_sky, scl_sky};
// A line of the surface's font, pixels.
constexpr double name_height = 12;

// The view direction of a built-in or extended star.
ViewVec star_view(const StarRef& s, const std::vector<ViewVec>& builtin,
                  const std::vector<ViewVec>& extended) {
  return s.table == StarTable::builtin ? builtin[s.row] : extended[s.row - 1];
}

void draw_boundaries(Surface& pic, ConstellationSky& sky, const SkyRotation& rot,
                     std::vector<ViewVec>& points) {
  const std::vector<Vec3>& e = sky.boundaries();
  points.resize(e.size());
  for (std::size_t k = 0; k < e.size(); ++k) points[k] = rot.view(e[k]);
  DottedPen pen(boundary_dot_spacing);
  for (const BoundaryLine& line : boundary_lines) {
    pen.lift();
    for (std::uint32_t k = 1; k < line.count; ++k) {
      draw_sky_arc(pic, field, points[line.first + k - 1], points[line.first + k], col_boundary,
                   figure_piece, &pen);
    }
  }
}

struct Box {
  double left, top, width, height;
  bool overlaps(const Box& o) const {
    return left < o.left + o.width && o.left < left + width && top < o.top + o.height &&
           o.top < top + height;
  }
};

// Each name centred on its label point, or a line lower or higher when
// another name is there already; left out when it finds no free place in
// the field.
void draw_names(Surface& pic, const SkyRotation& rot, bool drawn_now, FrameReport& report) {
  pic.set_fore_color(col_name);
  std::vector<Box> taken;
  for (std::size_t k = 0; k < constellations.size(); ++k) {
    LabelRow& row = report.labels[k];
    if (!drawn_now || !row.xp || !row.yp) continue;
    const double width = text_width(constellations[k].japanese);
    for (double shift : {0.0, name_height, -name_height}) {
      const Box box{*row.xp - width / 2, *row.yp - name_height / 2 + shift, width, name_height};
      if (std::any_of(taken.begin(), taken.end(), [&](const Box& b) { return b.overlaps(box); }))
        continue;
      if (!box_inside(field, rot, box.left, box.top, box.width, box.height)) continue;
      pic.set_current(box.left, box.top);
      pic.print(constellations[k].japanese);
      taken.push_back(box);
      row.drawn = true;
      break;
    }
  }
}

// The extended stars to the limit, as the built-in stars are drawn.
void draw_extended_stars(Surface& pic, ConstellationSky& sky, const std::vector<ViewVec>& views,
                         const SkyRotation& rot, bool drawn_now, FrameReport& report) {
  const double limit = *report.options.magnitude_limit;
  report.extended.resize(extended_stars.size());
  const std::vector<Vec3>& e = sky.extended();
  for (std::size_t k = 0; k < extended_stars.size(); ++k) {
    ExtendedRow& row = report.extended[k];
    row = ExtendedRow{};
    row.ra_h = sky.extended_ra()[k];
    row.dec_deg = sky.extended_dec()[k];
    row.horizon = rot.horizon(e[k]);
    if (row.horizon.z < 0) continue;
    const ScreenPoint s = project_view(views[k], field.x0, field.y0, field.scl);
    row.d = s.d;
    row.xp = s.xp;
    row.yp = s.yp;
    const StarRow& star = extended_stars[k];
    if (s.d / rd > r_sky || !drawn_now || !(star.mag <= limit)) continue;
    const Rgb colour = col_tbl[star.code];
    pic.set_fill_style(FillStyle::solid);
    pic.set_fill_color(colour);
    pic.circle(s.xp, s.yp, star_dot_size(star.mag), colour);
    row.drawn = true;
  }
}

}  // namespace

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
                         ConstellationScratch& scratch, FrameReport& report) {
  const FrameOptions& o = report.options;
  const double theta = view.lon_obs + 15 * grn(view.t2000, view.ut_now) * rd;
  const SkyRotation rot(theta, view.lat_obs, rd * view.view_alt, rd * view.view_az);
  const bool drawn_now = report.is_day == 0 || o.stars_by_day;

  if (!o.magnitude_limit) report.extended.clear();
  report.labels.assign(constellations.size(), LabelRow{});
  for (std::size_t k = 0; k < constellations.size(); ++k) {
    LabelRow& row = report.labels[k];
    const AltAz h = alt_az_of(rot.horizon(sky.labels()[k]));
    row.alt = h.alt;
    row.az = h.az;
    const ViewVec p = rot.view(sky.labels()[k]);
    if (!well_inside(field, p)) continue;
    const ScreenPoint s = project_view(p, field.x0, field.y0, field.scl);
    row.xp = s.xp;
    row.yp = s.yp;
  }
  if (!o.any_constellation() && !o.magnitude_limit) return;

  const Rgb fore = pic.fore_color();
  const FillStyle fill_style = pic.fill_style();
  const Rgb fill = pic.fill_color();
  const double cur_x = pic.current_x(), cur_y = pic.current_y();

  if (o.constellation_boundaries && drawn_now) draw_boundaries(pic, sky, rot, scratch.boundary);

  // The extended stars' view directions, for the figures' faint ends and
  // the faint stars' dots alike.
  std::vector<ViewVec>& extended = scratch.extended;
  if (o.constellation_lines || o.magnitude_limit) {
    const std::vector<Vec3>& e = sky.extended();
    extended.resize(e.size());
    for (std::size_t k = 0; k < e.size(); ++k) extended[k] = rot.view(e[k]);
  }
  if (o.constellation_lines && drawn_now) {
    const std::vector<Vec3>& b = sky.builtin(ra_obj, dc_obj);
    std::vector<ViewVec>& builtin = scratch.builtin;
    builtin.resize(b.size());
    for (std::size_t k = 0; k < b.size(); ++k) builtin[k] = rot.view(b[k]);
    for (const FigureLine& line : figure_lines) {
      draw_sky_arc(pic, field, star_view(line.from, builtin, extended),
                   star_view(line.to, builtin, extended), col_figure, figure_piece);
    }
  }
  if (o.constellation_names) draw_names(pic, rot, drawn_now, report);
  if (o.magnitude_limit) draw_extended_stars(pic, sky, extended, rot, drawn_now, report);

  pic.set_fore_color(fore);
  pic.set_fill_style(fill_style);
  pic.set_fill_color(fill);
  pic.set_current(cur_x, cur_y);
}

}  // namespace hz

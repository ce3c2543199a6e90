// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/reference_lines.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "common/picture_colours.hpp"
#include "ephem/ecliptic.hpp"
#include "frame/constellation_layer.hpp"
#include "frame/view_zoom.hpp"
#include "render/sky_arcs.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

// A point every step_deg degrees of arc along the circle (at least 24).
SkyPath circle_of_declination(double dec_deg, double step_deg) {
  SkyPath p;
  const int n = std::max(24, static_cast<int>(std::ceil(360 * std::cos(dec_deg * rd) / step_deg)));
  for (int k = 0; k <= n; ++k) p.push_back(equatorial_vector(24.0 * k / n, dec_deg));
  return p;
}

// Pole to pole at right ascension ra_h, then back over the other side when
// closed.
SkyPath hour_circle(double ra_h, bool closed, double step_deg) {
  SkyPath p;
  const int n = static_cast<int>(std::nearbyint(180 / step_deg));
  for (int k = 0; k <= n; ++k) p.push_back(equatorial_vector(ra_h, -90 + 180.0 * k / n));
  if (closed) {
    for (int k = 1; k <= n; ++k) p.push_back(equatorial_vector(ra_h + 12, 90 - 180.0 * k / n));
  }
  return p;
}

// The sine of -17 degrees: further below the horizon than the points of
// eight pieces of a path (of at most 3 degrees) reach from their middle
// (draw_sky_path).
const double deep_below = -std::sin(17 * rd);

// Where the line of sight points: hours and degrees of the stars' epoch.
struct SightPlace {
  double ra_h, dec_deg;
};

FieldGeometry field_of(const FrameView& view) { return {xc_sky, yc_sky, view.scale, view.radius}; }

std::string signed_degrees(int d) {
  std::string text = d > 0 ? "+" : d < 0 ? "-" : "";
  text += std::to_string(d < 0 ? -d : d);
  text += "°";
  return text;
}

}  // namespace

const SkyPath& equator_path() {
  static const SkyPath p = circle_of_declination(0, 2);
  return p;
}

const SkyPath& ecliptic_path() {
  static const SkyPath p = [] {
    SkyPath e;
    for (int k = 0; k <= 180; ++k) {
      const Equatorial q = ecleq(0, 2 * k * rd, 0, 0, 0);
      e.push_back(equatorial_vector(q.ra / (15 * rd), q.dc / rd));
    }
    return e;
  }();
  return p;
}

SkyPath meridian_path(double theta) {
  // hour_circle(theta's hours, true, 2), with the declinations' sines and
  // cosines taken once: the meridian is drawn anew every frame.
  constexpr int n = 90;
  struct Declination {
    double c, s;
  };
  static const std::array<Declination, n + 1> up = [] {
    std::array<Declination, n + 1> t{};
    for (int k = 0; k <= n; ++k) {
      const double d = (-90 + 180.0 * k / n) * rd;
      t[k] = {std::cos(d), std::sin(d)};
    }
    return t;
  }();
  const double ra_h = theta / (15 * rd);
  const double a = ra_h * 15 * rd, b = (ra_h + 12) * 15 * rd;
  const double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
  SkyPath p;
  p.reserve(2 * n + 1);
  for (int k = 0; k <= n; ++k) p.push_back({up[k].c * ca, up[k].c * sa, up[k].s});
  for (int k = 1; k <= n; ++k) p.push_back({up[n - k].c * cb, up[n - k].c * sb, up[n - k].s});
  return p;
}

const std::vector<GridLine>& equatorial_grid(double zoom) {
  // Pieces of 3 degrees, halved at 4 times and again at 16 times, so that
  // the circles near the poles stay round when magnified.
  const int fine = zoom >= 16 ? 2 : zoom >= 4 ? 1 : 0;
  static std::vector<GridLine> grids[3];
  std::vector<GridLine>& lines = grids[fine];
  if (lines.empty()) {
    const double step = 3.0 / (1 << fine);
    for (int h = 0; h < 24; ++h) lines.push_back({true, h, hour_circle(h, false, step)});
    for (int d = -80; d <= 80; d += 10) lines.push_back({false, d, circle_of_declination(d, step)});
  }
  return lines;
}

void draw_sky_path(Surface& pic, const FieldGeometry& field, const SkyRotation& rot,
                   const SkyPath& path, Rgb c, std::vector<Point>& points) {
  const double far_outside = field.radius + 17 < 180 ? std::cos((field.radius + 17) * rd) : -2;
  const WellInside inside_field = well_inside_test(field);
  const double per_radian = pixels_per_radian(field.scl);
  // Runs of points well inside go down as one polyline; a piece with an end
  // near or beyond the horizon or the edge is cut by draw_sky_arc.
  points.clear();
  const auto flush = [&] {
    if (points.size() > 1) pic.polyline(points, c);
    points.clear();
  };
  ViewVec prev{};
  bool prev_inside = false;
  for (std::size_t k = 0; k < path.size(); ++k) {
    // Eight pieces at a time are passed over when their middle lies deep
    // below the horizon or far outside the field: no point of them is more
    // than four pieces (12 degrees) from it.
    if (k % 8 == 0 && k + 8 < path.size() && !prev_inside) {
      const ViewVec middle = rot.view(path[k + 4]);
      if (middle.zenith < deep_below || middle.w < far_outside) {
        prev = rot.view(path[k + 7]);
        k += 7;
        continue;
      }
    }
    const ViewVec p = rot.view(path[k]);
    const bool inside = inside_field(p);
    if (inside) {
      const Projected s = project_view_at(p, field.x0, field.y0, per_radian);
      if (k > 0 && !prev_inside) {
        flush();
        draw_sky_arc(pic, field, inside_field, prev, p, c, figure_piece);
      }
      points.push_back({s.xp, s.yp});
    } else {
      if (k > 0 && prev_inside) {
        flush();
        draw_sky_arc(pic, field, inside_field, prev, p, c, figure_piece);
      } else if (k > 0 && (p.zenith > -0.2 || prev.zenith > -0.2)) {
        // Both ends outside: the piece may still cross a corner of the field.
        draw_sky_arc(pic, field, inside_field, prev, p, c, figure_piece);
      }
    }
    prev = p;
    prev_inside = inside;
  }
  flush();
}

void draw_reference_lines(Surface& pic, const FrameView& view, const FrameOptions& o,
                          std::vector<Point>& points) {
  const SkyRotation rot = frame_rotation(view);
  const FieldGeometry field = field_of(view);
  if (o.equatorial_grid) {
    for (const GridLine& line : equatorial_grid(held_zoom(o.zoom)))
      draw_sky_path(pic, field, rot, line.path, col_equatorial_grid, points);
  }
  if (o.equator) draw_sky_path(pic, field, rot, equator_path(), col_equator, points);
  if (o.ecliptic) draw_sky_path(pic, field, rot, ecliptic_path(), col_ecliptic, points);
  if (o.meridian) {
    const double theta = local_sidereal_angle(view.lon_obs, view.t2000, view.ut_now);
    draw_sky_path(pic, field, rot, meridian_path(theta), col_meridian, points);
  }

  const auto screen = [&](const Vec3& e) { return point_on_surface(field, rot, e); };

  if (o.ecliptic) {
    // 春分点 and 秋分点: rings on the ecliptic, named later.
    const FillStyle fill = pic.fill_style();
    pic.set_fill_style(FillStyle::transparent);
    for (const Vec3& e : {Vec3{1, 0, 0}, Vec3{-1, 0, 0}}) {
      const auto s = screen(e);
      if (s) pic.circle(s->x, s->y, 3, col_ecliptic);
    }
    pic.set_fill_style(fill);
  }
}

void place_reference_labels(const FrameView& view, const FrameOptions& o,
                            std::vector<LabelBox>& taken, LabelBatch& equinoxes,
                            LabelBatch& grid_labels) {
  const SkyRotation rot = frame_rotation(view);
  const FieldGeometry field = field_of(view);
  const Vec3 sight = rot.equator_of_view({0, 0, 1});
  const SightPlace at{std::atan2(sight.y, sight.x) / (15 * rd),
                      std::asin(std::fmax(-1.0, std::fmin(1.0, sight.z))) / rd};
  const auto screen = [&](const Vec3& e) { return point_on_surface(field, rot, e); };

  if (o.ecliptic) {
    equinoxes.colour = col_ecliptic;
    const struct {
      Vec3 e;
      const char* name;
    } points_of[] = {{{1, 0, 0}, "春分点"}, {{-1, 0, 0}, "秋分点"}};
    for (const auto& q : points_of) {
      const auto s = screen(q.e);
      if (!s) continue;
      const std::string text = q.name;
      place_label(equinoxes, text, label_places(*s, text_width(q.name), 6), field, rot, taken);
    }
  }

  if (o.equatorial_grid) {
    grid_labels.colour = col_grid_label;
    // Hours along the circle of declination nearest the line of sight,
    // degrees along the nearest hour circle.
    const double along_dec = std::fmax(-80, std::fmin(80, 10 * std::nearbyint(at.dec_deg / 10)));
    const double along_ra = std::nearbyint(at.ra_h);
    for (int h = 0; h < 24; ++h) {
      const auto s = screen(equatorial_vector(h, along_dec));
      if (!s) continue;
      const std::string text = std::to_string(h) + "h";
      const Point corner[] = {{s->x + 3, s->y + 2}, {s->x + 3, s->y - 2 - label_line_height}};
      place_label(grid_labels, text, corner, field, rot, taken);
    }
    for (int d = -80; d <= 80; d += 10) {
      const auto s = screen(equatorial_vector(along_ra, d));
      if (!s) continue;
      const std::string text = signed_degrees(d);
      const Point corner[] = {{s->x + 3, s->y + 2}, {s->x + 3, s->y - 2 - label_line_height}};
      place_label(grid_labels, text, corner, field, rot, taken);
    }
  }
}

}  // namespace hz

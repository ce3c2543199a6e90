// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/zoomed_dome.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/dome_legend.hpp"
#include "render/projection.hpp"
#include "render/sky_rotation.hpp"

namespace hz {
namespace {

// Longest straight piece of a grid line on the surface, pixels. A piece of
// length L on a curve of radius R on the surface strays from it by L²/8R:
// a fifth of a pixel for the smallest altitude circle in reach (the
// circle one degree from the zenith at 16 × 3 pixels a degree, R = 48).
constexpr double piece_pixels = 8;
// Bisections that find where a line leaves the field: a piece's parameter
// to 1/4096, far below a pixel.
constexpr int edge_bisections = 12;
// Azimuth lines off the tens of degrees stop here.
constexpr int fine_line_top = 80;

// The view: a direction of altitude h and azimuth a, given by the sines and
// cosines of h and of a less the line of sight's azimuth, projected as prj
// projects it (its vector term for term, the quick polar distance).
struct View {
  double ss, sl, x0, y0, scl, r;
  double sin_ss = std::sin(ss), cos_ss = std::cos(ss);
  Projected at(double sh, double ch, double sd, double cd) const {
    const ViewVec p{sh * cos_ss - sin_ss * ch * cd, ch * sd, sh * sin_ss + cos_ss * ch * cd, sh};
    return project_view(p, x0, y0, scl);
  }
  bool inside(const Projected& p) const { return p.d / rd <= r; }
};

// A grid line: the point at parameter t (degrees along its own coordinate),
// with the sine and cosine of the fixed one taken once.
struct GridLine {
  bool circle;                  // an altitude circle (t is the azimuth), else an azimuth line
  double fixed_sin, fixed_cos;  // of its altitude, or of its azimuth less the view's
  static GridLine altitude_circle(double h) { return {true, std::sin(h * rd), std::cos(h * rd)}; }
  static GridLine azimuth_line(const View& v, double a) {
    return {false, std::sin(a * rd - v.sl), std::cos(a * rd - v.sl)};
  }
  Projected at(const View& v, double t) const {
    if (circle) {
      const double dl = t * rd - v.sl;
      return v.at(fixed_sin, fixed_cos, std::sin(dl), std::cos(dl));
    }
    return v.at(std::sin(t * rd), std::cos(t * rd), fixed_sin, fixed_cos);
  }
};

// Draws the line from t0 to t1 in pieces of dt, the runs inside the field as
// polylines, each run ended exactly at the field's edge.
void draw_line(Surface& pic, const View& v, const GridLine& g, double t0, double t1, double dt,
               Rgb c) {
  const int n = std::max(1, static_cast<int>(std::ceil((t1 - t0) / dt)));
  std::vector<Point> run;
  const auto flush = [&] {
    if (run.size() >= 2) pic.polyline(run, c);
    run.clear();
  };
  // The point where the line crosses the edge between a (inside when
  // a_in) and b.
  const auto edge = [&](double a, double b, bool a_in) {
    for (int k = 0; k < edge_bisections; ++k) {
      const double m = (a + b) / 2;
      if (v.inside(g.at(v, m)) == a_in)
        a = m;
      else
        b = m;
    }
    const Projected p = g.at(v, a_in ? a : b);
    return Point{p.xp, p.yp};
  };

  double prev_t = t0;
  bool prev_in = false;
  for (int k = 0; k <= n; ++k) {
    const double t = t0 + (t1 - t0) * k / n;
    const Projected p = g.at(v, t);
    const bool in = v.inside(p);
    if (k > 0 && in != prev_in) {
      run.push_back(edge(prev_t, t, prev_in));
      if (prev_in) flush();
    }
    if (in) run.push_back({p.xp, p.yp});
    prev_t = t;
    prev_in = in;
  }
  flush();
}

// The azimuths (degrees) the field can reach, widened by a margin; the whole
// turn when the field holds the zenith.
struct AzimuthSpan {
  double lo, hi;
};
AzimuthSpan azimuth_span(double alt0, double az0, double r, double margin) {
  const double polar = std::fabs(90 - alt0) * rd;
  const double s = std::sin(r * rd) / std::sin(polar);
  if (polar <= r * rd || !(s < 1)) return {0, 360};
  const double half = std::asin(s) / rd + margin;
  return {az0 - half, az0 + half};
}

// The part of the field's edge above the horizon, as arcs of the circle.
// A point of the edge at screen angle p has the altitude whose sine is
// sin r cos ss sin p + cos r sin ss.
void draw_edge(Surface& pic, double ss, double x0, double y0, double r, double scl, Rgb c) {
  const double a = std::sin(r * rd) * std::cos(ss), b = std::cos(r * rd) * std::sin(ss);
  const double radius = r * scl;
  const auto arc = [&](double from, double to) {
    pic.circle(x0, y0, radius, c, ArcAngles{from, to}, 1.0);
  };
  if (a == 0) {
    if (b >= 0) {
      arc(0, pi);
      arc(pi, 2 * pi);
    }
    return;
  }
  const double lim = -b / a;  // sin p >= lim when a > 0, <= lim when a < 0
  if (a > 0 ? lim <= -1 : lim >= 1) {
    arc(0, pi);
    arc(pi, 2 * pi);
  } else if (a > 0 ? lim < 1 : lim > -1) {
    const double s = std::asin(lim);
    if (a > 0)
      arc(s, pi - s);
    else
      arc(pi - s, 2 * pi + s);
  }
}

}  // namespace

int grid_step_degrees(double r) {
  for (int step : {1, 2, 5}) {
    if (r / step <= 8) return step;
  }
  return 10;
}

std::string field_radius_legend(double r) {
  const double tenths = std::nearbyint(r * 10);
  const long long t = static_cast<long long>(tenths);
  std::string text = "視線を中心とする半径";
  text.append(std::to_string(t / 10));
  if (t % 10 != 0) text.append(".").append(std::to_string(t % 10));
  return text.append("ﾟの円");
}

bool zoomed_dome(Surface& pic, double alt0, double az0, double x0, double y0, double r, double scl,
                 Rgb col1, Rgb col2, Rgb col3) {
  const View v{alt0 * rd, az0 * rd, x0, y0, scl, r};
  pic.cls();

  const int step = grid_step_degrees(r);
  const double along = piece_pixels / scl;  // degrees of arc a piece
  // Altitudes the field reaches, to whole steps around it.
  const int alt_lo = std::max(0, static_cast<int>(std::floor((alt0 - r) / step)) * step);
  const int alt_hi = std::min(90, static_cast<int>(std::ceil((alt0 + r) / step)) * step);
  const AzimuthSpan az = azimuth_span(alt0, az0, r, step);
  const int az_lo = static_cast<int>(std::floor(az.lo / step)) * step;
  const int az_hi = static_cast<int>(std::ceil(az.hi / step)) * step;

  // A grid in the background colour (switched off) leaves the cleared
  // surface as it is: only the horizon is worked out then.
  const bool grid_shows = col1 != pic.back_color();
  if (alt_lo <= alt_hi) {
    // Altitude circles, the horizon first; pieces shorter in azimuth where
    // the circles are small.
    for (int h = alt_lo; h <= std::min(alt_hi, grid_shows ? 90 - step : 0); h += step) {
      const double dt = along / std::max(std::cos(h * rd), 1e-3);
      draw_line(pic, v, GridLine::altitude_circle(h), az_lo, az_hi, dt, h == 0 ? col2 : col1);
    }
    // Azimuth lines, from the lowest altitude in reach upward.
    for (int a = az_lo; a <= az_hi && grid_shows; a += step) {
      if (az_hi - az_lo >= 360 && a - az_lo >= 360) break;  // the turn once
      const int top = a % 10 == 0 ? alt_hi : std::min(alt_hi, fine_line_top);
      if (top > alt_lo) draw_line(pic, v, GridLine::azimuth_line(v, a), alt_lo, top, along, col1);
    }
  }

  pic.set_fore_color(col3);
  draw_edge(pic, v.ss, x0, y0, r, scl, pic.fore_color());

  // Legend, its first line with the field's radius, and cardinal points up
  // to half a degree of the unmagnified field (1.5 pixels) beyond its edge.
  return draw_legend_and_cardinal_points(pic, field_radius_legend(r), v.ss, v.sl, x0, y0, r, scl,
                                         1.5 / scl, col2);
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sky_arcs.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "common/constants.hpp"

namespace hz {
namespace {

// The sine of one pixel's angle: the margin kept from the horizon and from
// the field's edge (the plane w = 0, 90 degrees from the line of sight). By
// its series, which for a pixel's angle is exact to 1e-16: it is asked for
// every boundary point of every frame.
double margin(const FieldGeometry& g) {
  const double x = rd / g.scl;
  return x - x * x * x / 6 + x * x * x * x * x / 120;
}

// The least w of a direction one pixel inside the field's edge: the
// margin itself for the hemisphere, the cosine of the radius less a pixel
// for a narrower field.
double edge_margin(const FieldGeometry& g) {
  if (g.radius >= 90) return margin(g);
  return std::cos(g.radius * rd - rd / g.scl);
}

ViewVec lerp(const ViewVec& a, const ViewVec& b, double t) {
  return {a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t, a.w + (b.w - a.w) * t,
          a.zenith + (b.zenith - a.zenith) * t};
}

// Narrows [t0, t1] of the chord a + (b - a) t to where fa + (fb - fa) t >= m.
// On the chord the vector is at most a unit long, so the normalised
// direction keeps at least the margin there too.
bool clip(double fa, double fb, double m, double& t0, double& t1) {
  const double ga = fa - m, gb = fb - m;
  if (ga < 0 && gb < 0) return false;
  if (ga >= 0 && gb >= 0) return true;
  const double t = ga / (ga - gb);
  if (ga < 0)
    t0 = std::max(t0, t);
  else
    t1 = std::min(t1, t);
  return t0 <= t1;
}

}  // namespace

void DottedPen::stroke(Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len = std::sqrt(dx * dx + dy * dy);
  double s = left_;
  for (; s <= len; s += spacing_) {
    const double t = len > 0 ? s / len : 0;
    dots_.push_back({a.x + dx * t, a.y + dy * t});
  }
  left_ = s - len;
}

bool well_inside(const FieldGeometry& g, const ViewVec& p) {
  return p.zenith >= margin(g) && p.w >= edge_margin(g);
}

WellInside well_inside_test(const FieldGeometry& g) { return {margin(g), edge_margin(g)}; }

bool draw_sky_arc(Surface& pic, const FieldGeometry& g, const ViewVec& a, const ViewVec& b, Rgb c,
                  double max_piece, DottedPen* pen) {
  return draw_sky_arc(pic, g, well_inside_test(g), a, b, c, max_piece, pen);
}

bool draw_sky_arc(Surface& pic, const FieldGeometry& g, const WellInside& bounds, const ViewVec& a,
                  const ViewVec& b, Rgb c, double max_piece, DottedPen* pen) {
  double t0 = 0, t1 = 1;
  if (!clip(a.zenith, b.zenith, bounds.zenith, t0, t1) || !clip(a.w, b.w, bounds.w, t0, t1))
    return false;

  const double cosang = a.u * b.u + a.v * b.v + a.w * b.w;
  const double angle = std::acos(std::clamp(cosang, -1.0, 1.0)) * (t1 - t0);
  const int pieces = std::max(1, static_cast<int>(std::ceil(angle / max_piece)));
  const double per_radian = pixels_per_radian(g.scl);
  const Projected s0 = project_view_at(lerp(a, b, t0), g.x0, g.y0, per_radian);
  // The pieces go down as polylines, some at a time: a frame draws
  // thousands of arcs, and each call to the surface sets up anew.
  std::array<Point, 16> run;
  std::size_t n = 0;
  run[n++] = {s0.xp, s0.yp};
  for (int k = 1; k <= pieces; ++k) {
    const Projected s =
        project_view_at(lerp(a, b, t0 + (t1 - t0) * k / pieces), g.x0, g.y0, per_radian);
    const Point next{s.xp, s.yp};
    if (pen) {
      pen->stroke(run[0], next);
      run[0] = next;
      continue;
    }
    run[n++] = next;
    if (n == run.size()) {
      pic.polyline(std::span(run.data(), n), c);
      run[0] = next;
      n = 1;
    }
  }
  if (!pen && n > 1) pic.polyline(std::span(run.data(), n), c);
  return true;
}

bool box_inside(const FieldGeometry& g, const SkyRotation& rot, double left, double top,
                double width, double height) {
  // The corners and the middles of the sides: the horizon bends little over
  // a name's length.
  for (double fx : {0.0, 0.5, 1.0}) {
    for (double fy : {0.0, 0.5, 1.0}) {
      const auto p = unproject(left + width * fx, top + height * fy, g.x0, g.y0, g.scl);
      if (!p) return false;
      const Vec3 e = rot.equator_of_view(*p);
      if (!well_inside(g, rot.view(e))) return false;
    }
  }
  return true;
}

}  // namespace hz

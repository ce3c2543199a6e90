// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/grab_view.hpp"

#include <algorithm>
#include <cmath>

#include "common/constants.hpp"
#include "frame/view_zoom.hpp"
#include "render/projection.hpp"
#include "render/sky_rotation.hpp"

namespace hz {
namespace {

// An angle in radians brought into -pi..pi.
double signed_angle(double a) { return a - 2 * pi * std::floor((a + pi) / (2 * pi)); }

// An azimuth in degrees brought into 0..360.
double azimuth_deg(double az) {
  const double a = az - 360 * std::floor(az / 360);
  return a >= 360 ? 0 : a;
}

// A line of sight in radians: altitude ss, azimuth sl.
struct View {
  double ss, sl;
};

// The largest move of the pointer solved at once, pixels, and the most moves
// one call solves (a move across the whole field at zoom 16).
constexpr double move_px = 1;
constexpr int max_moves = 800;

// Within this many pixels a view draws the direction at the point.
constexpr double exact_px = 1e-3;

double view_distance_deg(const View& a, const View& b) {
  return std::hypot(a.ss - b.ss, signed_angle(a.sl - b.sl)) / rd;
}

// Where view v draws the direction (alt, az), less the point (x, y).
struct Miss {
  double dx, dy;
};
Miss miss_of(const View& v, double alt, double az, double x, double y, const FieldGeometry& g) {
  const Projected q = prj(v.ss, v.sl, g.x0, g.y0, g.scl, alt, az);
  return {q.xp - x, q.yp - y};
}

// Of the views that draw (alt, az) exactly at (x, y), the one nearest `last`
// (the same drag goes on smoothly; only where the one it follows turns over
// the zenith or the nadir does it leap to the other).
//
// The direction's place (u, v, w) in the frame of the wanted view: the
// zenith is (cos ss, 0, sin ss) there, so the altitude fixes ss,
// u cos ss + w sin ss = sin alt, that is r cos(ss - phi) = sin alt, and the
// horizontal part (v across, w cos ss - u sin ss along the line of sight)
// the azimuth.
std::optional<View> exact_view(double alt, double az, double x, double y, const View& last,
                               const FieldGeometry& g) {
  const auto p = unproject(x, y, g.x0, g.y0, g.scl);
  if (!p) return std::nullopt;
  const double u = p->x, v = p->y, w = p->z;
  const double r = std::hypot(u, w);
  if (r == 0 || std::abs(std::sin(alt)) > r) return std::nullopt;
  const double phi = std::atan2(w, u), spread = std::acos(std::sin(alt) / r);
  std::optional<View> best;
  for (const double ss : {signed_angle(phi + spread), signed_angle(phi - spread)}) {
    if (std::abs(ss) > pi / 2) continue;
    const View view{ss, az - std::atan2(v, w * std::cos(ss) - u * std::sin(ss))};
    const Miss m = miss_of(view, alt, az, x, y, g);
    if (std::hypot(m.dx, m.dy) > exact_px) continue;
    if (!best || view_distance_deg(view, last) < view_distance_deg(*best, last)) best = view;
  }
  return best;
}

// Out of reach, the view nearest `last` that draws (alt, az) nearest (x, y):
// Levenberg-Marquardt steps on the pixel miss, the altitude held within
// -90..90 (at the zenith only the azimuth turns the sky about the centre).
View nearest_view(double alt, double az, double x, double y, View view, const FieldGeometry& g) {
  constexpr double h = 1e-7;  // radians, for the derivatives
  constexpr int iterations = 30;
  const auto cost = [&](const View& v) {
    const Miss m = miss_of(v, alt, az, x, y, g);
    return m.dx * m.dx + m.dy * m.dy;
  };
  double damping = 1e-3;
  double c = cost(view);
  for (int i = 0; i < iterations && c > exact_px * exact_px; ++i) {
    const Miss m = miss_of(view, alt, az, x, y, g);
    // Derivatives by differences, one-sided at the zenith and the nadir.
    const double s_hi = std::min(view.ss + h, pi / 2), s_lo = std::max(view.ss - h, -pi / 2);
    const Miss a = miss_of({s_hi, view.sl}, alt, az, x, y, g);
    const Miss b = miss_of({s_lo, view.sl}, alt, az, x, y, g);
    const Miss e = miss_of({view.ss, view.sl + h}, alt, az, x, y, g);
    const Miss f = miss_of({view.ss, view.sl - h}, alt, az, x, y, g);
    const double js[2] = {(a.dx - b.dx) / (s_hi - s_lo), (a.dy - b.dy) / (s_hi - s_lo)};
    const double jl[2] = {(e.dx - f.dx) / (2 * h), (e.dy - f.dy) / (2 * h)};
    const double gs = js[0] * m.dx + js[1] * m.dy, gl = jl[0] * m.dx + jl[1] * m.dy;
    const double ass = js[0] * js[0] + js[1] * js[1], all = jl[0] * jl[0] + jl[1] * jl[1];
    const double asl = js[0] * jl[0] + js[1] * jl[1];
    // At a bound that the descent presses against, the altitude stays.
    const bool held = (view.ss >= pi / 2 && gs < 0) || (view.ss <= -pi / 2 && gs > 0);
    bool better = false, converged = false;
    while (!better && damping < 1e12) {
      const double dss = ass * (1 + damping) + 1e-12, dll = all * (1 + damping) + 1e-12;
      double ds = 0, dl = 0;
      if (held) {
        dl = -gl / dll;
      } else {
        const double det = dss * dll - asl * asl;
        ds = -(dll * gs - asl * gl) / det;
        dl = -(dss * gl - asl * gs) / det;
      }
      const View trial{std::clamp(view.ss + ds, -pi / 2, pi / 2), view.sl + dl};
      const double ct = cost(trial);
      if (ct < c) {
        view = trial;
        converged = c - ct < 1e-9 * c;  // in hundred-thousandths of a pixel
        c = ct;
        damping = std::max(damping / 4, 1e-9);
        better = true;
      } else {
        damping *= 4;
      }
    }
    if (!better || converged) break;
  }
  return view;
}

}  // namespace

FieldGeometry field_geometry(double zoom) { return {xc_sky, yc_sky, scl_sky * zoom, r_sky / zoom}; }

std::optional<HorizonDirection> direction_at(double xp, double yp, const HorizonDirection& view,
                                             const FieldGeometry& g) {
  const auto p = unproject(xp, yp, g.x0, g.y0, g.scl);
  if (!p) return std::nullopt;
  // prj's u, v, w back to east, north and zenith: the transpose of its rows.
  const double ss = view.alt_deg * rd, sl = view.az_deg * rd;
  const double cs = std::cos(ss), sn = std::sin(ss), cz = std::cos(sl), sz = std::sin(sl);
  const Vec3 enz{-sn * sz * p->x + cz * p->y + cs * sz * p->z,
                 -sn * cz * p->x - sz * p->y + cs * cz * p->z, cs * p->x + sn * p->z};
  const Horizon a = alt_az_of(enz);
  return HorizonDirection{a.alt / rd, azimuth_deg(a.az / rd)};
}

std::optional<HorizonDirection> direction_at(const FrameReport& frame, double xp, double yp) {
  return direction_at(xp, yp, {frame.view_alt, frame.view_az},
                      field_geometry(held_zoom(frame.options.zoom)));
}

HorizonDirection grab_view(const HorizonDirection& grabbed, double xp, double yp,
                           const HorizonDirection& now, const FieldGeometry& g) {
  if (!unproject(xp, yp, g.x0, g.y0, g.scl)) return now;
  const double alt = grabbed.alt_deg * rd, az = grabbed.az_deg * rd;

  // The pointer is followed from where the view now draws the grabbed
  // direction, in moves of at most a few pixels, each from the view the last
  // one found: a quick move of the mouse keeps to the same family of views
  // as a slow one.
  const Projected from = prj(now.alt_deg * rd, now.az_deg * rd, g.x0, g.y0, g.scl, alt, az);
  const double way = std::hypot(xp - from.xp, yp - from.yp);
  const int moves = std::clamp(static_cast<int>(std::ceil(way / move_px)), 1, max_moves);
  const View start{now.alt_deg * rd, now.az_deg * rd};
  View view = start;
  bool exact = false;
  for (int i = 1; i <= moves; ++i) {
    const double f = static_cast<double>(i) / moves;
    const double x = from.xp + f * (xp - from.xp), y = from.yp + f * (yp - from.yp);
    const auto found = exact_view(alt, az, x, y, view, g);
    exact = found.has_value();
    view = found ? *found : nearest_view(alt, az, x, y, view, g);
  }
  // Out of reach at the end, the nearest view is found from the view now, so
  // that a way through views that reach the points between cannot leap.
  if (!exact) view = nearest_view(alt, az, xp, yp, start, g);
  return {view.ss / rd, azimuth_deg(view.sl / rd)};
}

}  // namespace hz

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

// How much a jump of the line of sight counts against a miss of the pointer,
// both in pixels.
constexpr double jump_weight = 0.5;

// The unit vector (east, north, zenith) of a direction.
Vec3 line_of_sight(const HorizonDirection& d) {
  const double a = d.alt_deg * rd, z = d.az_deg * rd;
  return {std::cos(a) * std::sin(z), std::cos(a) * std::cos(z), std::sin(a)};
}

double angle_between(const Vec3& a, const Vec3& b) {
  const Vec3 c{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
  return std::atan2(std::sqrt(c.x * c.x + c.y * c.y + c.z * c.z),
                    a.x * b.x + a.y * b.y + a.z * b.z);
}

// An azimuth in degrees brought into 0..360.
double azimuth_deg(double az) {
  const double a = az - 360 * std::floor(az / 360);
  return a >= 360 ? 0 : a;
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
  // The grabbed direction's place in the frame of the wanted view.
  const auto p = unproject(xp, yp, g.x0, g.y0, g.scl);
  if (!p) return now;
  const double u = p->x, v = p->y, w = p->z;
  const double alt = grabbed.alt_deg * rd;

  // The view of altitude ss that turns the grabbed direction's azimuth
  // toward the point: the azimuth of the line of sight is the grabbed
  // azimuth less dl, read from the horizontal part of the direction (v
  // across, w cos ss - u sin ss along the line of sight).
  const auto view_at = [&](double ss) {
    ss = std::clamp(ss, -pi / 2, pi / 2);
    const double dl = std::atan2(v, w * std::cos(ss) - u * std::sin(ss));
    return HorizonDirection{ss / rd, azimuth_deg((grabbed.az_deg * rd - dl) / rd)};
  };

  // The zenith is (cos ss, 0, sin ss) in that frame, so the grabbed
  // altitude fixes ss: u cos ss + w sin ss = sin alt, that is
  // r cos(ss - phi) = sin alt: two answers, or out of reach the nearest.
  const double r = std::hypot(u, w);
  const double phi = std::atan2(w, u);
  const double spread = std::acos(r > 0 ? std::clamp(std::sin(alt) / r, -1.0, 1.0) : 0.0);
  // Beside them, views that only turn in azimuth: at the altitude now and at
  // the zenith and the nadir, where the no-roll view cannot go over the top.
  const double tries[] = {signed_angle(phi + spread), signed_angle(phi - spread), now.alt_deg * rd,
                          pi / 2, -pi / 2};

  // The view that draws the grabbed direction nearest the point, a jump of
  // the line of sight counting half as much: an exact answer beyond the
  // zenith (the sky turned upside down) loses to turning about the zenith.
  const Vec3 los_now = line_of_sight(now);
  HorizonDirection best = now;
  double best_score = 0;
  bool any = false;
  for (const double ss : tries) {
    const HorizonDirection view = view_at(ss);
    const Projected at =
        prj(view.alt_deg * rd, view.az_deg * rd, g.x0, g.y0, g.scl, alt, grabbed.az_deg * rd);
    const double miss = std::hypot(at.xp - xp, at.yp - yp);
    const double jump = angle_between(line_of_sight(view), los_now) / rd * g.scl;
    const double score = miss + jump_weight * jump;
    if (!any || score < best_score) {
      best = view;
      best_score = score;
      any = true;
    }
  }
  return best;
}

}  // namespace hz

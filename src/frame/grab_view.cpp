// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/grab_view.hpp"

#include <algorithm>
#include <cmath>

#include "common/constants.hpp"
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

}  // namespace

FieldGeometry field_geometry(double zoom) { return {xc_sky, yc_sky, scl_sky * zoom}; }

std::optional<HorizonDirection> direction_at(double xp, double yp, const HorizonDirection& view,
                                             const FieldGeometry& g) {
  const auto p = unproject(xp, yp, g.x0, g.y0, g.scl);
  if (!p) return std::nullopt;
  // prj's u, v, w back to east, north and zenith: the transpose of its rows.
  const double ss = view.alt_deg * rd, sl = view.az_deg * rd;
  const double cs = std::cos(ss), sn = std::sin(ss), cz = std::cos(sl), sz = std::sin(sl);
  const Vec3 enz{-sn * sz * p->x + cz * p->y + cs * sz * p->z,
                 -sn * cz * p->x - sz * p->y + cs * cz * p->z, cs * p->x + sn * p->z};
  const AltAz a = alt_az_of(enz);
  return HorizonDirection{a.alt / rd, azimuth_deg(a.az / rd)};
}

HorizonDirection grab_view(const HorizonDirection& grabbed, double xp, double yp,
                           const HorizonDirection& now, const FieldGeometry& g) {
  // The grabbed direction's place in the frame of the wanted view.
  const auto p = unproject(xp, yp, g.x0, g.y0, g.scl);
  if (!p) return now;
  const double u = p->x, v = p->y, w = p->z;
  const double alt = grabbed.alt_deg * rd;

  // The zenith is (cos ss, 0, sin ss) in that frame, so the grabbed
  // altitude fixes ss: u cos ss + w sin ss = sin alt, that is
  // r cos(ss - phi) = sin alt. Out of reach, the nearest: cos = +-1.
  const double r = std::hypot(u, w);
  const double phi = std::atan2(w, u);
  const double c = r > 0 ? std::clamp(std::sin(alt) / r, -1.0, 1.0) : 0.0;
  const double spread = std::acos(c);

  HorizonDirection best = now;
  double best_miss = 0;
  bool any = false;
  for (const double branch : {phi + spread, phi - spread}) {
    const double ss = std::clamp(signed_angle(branch), -pi / 2, pi / 2);
    // The grabbed azimuth less the view's: from the horizontal part of the
    // direction, v across and w cos ss - u sin ss along the line of sight.
    const double dl = std::atan2(v, w * std::cos(ss) - u * std::sin(ss));
    const HorizonDirection view{ss / rd, azimuth_deg((grabbed.az_deg * rd - dl) / rd)};
    const Projected at = prj(ss, view.az_deg * rd, g.x0, g.y0, g.scl, alt, grabbed.az_deg * rd);
    const double miss = std::hypot(at.xp - xp, at.yp - yp);
    // Of two as good, the nearer to the view now: the drag never flips over.
    const bool better = !any || miss < best_miss - 1e-9 ||
                        (miss <= best_miss + 1e-9 && std::fabs(view.alt_deg - now.alt_deg) <
                                                         std::fabs(best.alt_deg - now.alt_deg));
    if (better) {
      best = view;
      best_miss = miss;
      any = true;
    }
  }
  return best;
}

}  // namespace hz

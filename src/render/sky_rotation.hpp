// SPDX-License-Identifier: GPL-3.0-or-later
// Directions on the sky as unit vectors, and the one rotation per frame that
// takes them from the equator of date to the horizon and to the line of
// sight. The figures, boundaries and faint stars are drawn through it: 4,741
// stars and 5,100 boundary points a frame, a few multiplications each instead
// of altaz and prj's dozen sines and cosines. The same directions come out
// as from altaz and prj, to rounding.
#pragma once

#include <cmath>
#include <optional>

#include "common/horizon_direction.hpp"
#include "render/fast_polar_distance.hpp"
#include "render/projection.hpp"
#include "render/surface.hpp"

namespace hz {

// A unit vector of the equator of date: x to the equinox, z to the pole.
struct Vec3 {
  double x, y, z;
};

// The unit vector of right ascension ra_h (hours) and declination dec_deg
// (degrees).
Vec3 equatorial_vector(double ra_h, double dec_deg);

// A direction in the frame of the line of sight (u toward the zenith's side
// of the view, v toward increasing azimuth, w along the line of sight, as prj
// has them), with its component toward the zenith.
struct ViewVec {
  double u, v, w;
  double zenith;  // sine of the altitude
};

class SkyRotation {
 public:
  // Given:  theta   local sidereal angle, radians: the observer's east
  //                 longitude plus 15 rd times the sidereal time in hours
  //                 (the hour angle of a star is theta minus its right
  //                 ascension, as in altaz)
  //         lat     observer's latitude, radians
  //         ss, sl  altitude and azimuth of the line of sight, radians
  SkyRotation(double theta, double lat, double ss, double sl);

  // Inline: thousands of stars and points a frame go through them.
  ViewVec view(const Vec3& e) const {
    return {m_[0][0] * e.x + m_[0][1] * e.y + m_[0][2] * e.z,
            m_[1][0] * e.x + m_[1][1] * e.y + m_[1][2] * e.z,
            m_[2][0] * e.x + m_[2][1] * e.y + m_[2][2] * e.z,
            h_[2][0] * e.x + h_[2][1] * e.y + h_[2][2] * e.z};
  }
  // East, north and zenith components of an equatorial direction.
  Vec3 horizon(const Vec3& e) const {
    return {h_[0][0] * e.x + h_[0][1] * e.y + h_[0][2] * e.z,
            h_[1][0] * e.x + h_[1][1] * e.y + h_[1][2] * e.z,
            h_[2][0] * e.x + h_[2][1] * e.y + h_[2][2] * e.z};
  }
  // The equatorial direction of a direction of the view frame (u, v, w).
  Vec3 equator_of_view(const Vec3& uvw) const;

 private:
  double h_[3][3];  // equator to east, north, zenith
  double m_[3][3];  // equator to u, v, w
};

// A view direction on the surface, as prj places it: the azimuthal
// equidistant projection about (x0, y0) at scl pixels per degree.
// Inline, with the quick polar distance (within 2e-14 rad of atan2's): it
// runs for every faint star and boundary point of every frame.
// The projection's pixels per radian, for scl pixels per degree: a loop
// over many directions works it out once and projects them with
// project_view_at.
inline double pixels_per_radian(double scl) { return scl / rd; }
inline Projected project_view_at(const ViewVec& p, double x0, double y0, double per_radian) {
  const double s = std::sqrt(p.u * p.u + p.v * p.v);
  const double d = fast_polar_distance(s, p.w);
  if (s == 0) return {x0, y0, d};
  // prj's rho cos(t.p) and rho sin(t.p), with t.p measured from v toward u.
  const double f = d * per_radian / s;
  return {x0 + f * p.v, y0 - f * p.u, d};
}
inline Projected project_view(const ViewVec& p, double x0, double y0, double scl) {
  return project_view_at(p, x0, y0, pixels_per_radian(scl));
}

// The inverse: the view direction (u, v, w), a unit vector, of a point of
// the surface; none beyond pi from the line of sight.
std::optional<Vec3> unproject(double xp, double yp, double x0, double y0, double scl);

// Altitude and azimuth (radians, azimuth from north through east, 0..2 pi)
// of east, north and zenith components, as altaz gives them.
Horizon alt_az_of(const Vec3& enz);

}  // namespace hz

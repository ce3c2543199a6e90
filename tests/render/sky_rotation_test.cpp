// SPDX-License-Identifier: GPL-3.0-or-later
// The one rotation a frame draws its figures, boundaries and faint stars
// through must put every direction where altaz and prj put it: on random
// skies (any place, moment, line of sight and zoom), the same altitude and
// azimuth, the same pixel and the same answer to "is it in the field".
#include "render/sky_rotation.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <random>
#include <sstream>
#include <string>
#include <utility>

#include "common/constants.hpp"
#include "render/projection.hpp"
#include "time/horizon.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

// Angles, radians: altitude, azimuth (as the arc it spans, times the cosine
// of the altitude), the zenith component and the distance from the line of
// sight. Both paths round a few dozen operations on angles below 4 pi, some
// 1e-15 each; the quick polar distance adds up to 2e-14.
constexpr double angle_tol = 1e-13;
// Pixels of a direction in the field: the angle tolerance at zoom 16's 2,750
// pixels a radian is 2.8e-10 pixel.
constexpr double pixel_tol = 1e-9;
// Within this angle (radians) of the horizon or of the field's edge the two
// paths may round to different sides.
constexpr double edge_margin = 1e-11;

constexpr int skies = 400;
constexpr int directions_per_sky = 250;

// A frame's sky: the place (radians), the moment, the line of sight
// (degrees) and the zoom, with its field as the frame takes it (3 z pixels a
// degree, 90 / z degrees around the line of sight).
struct Sky {
  double lat, lon, t2000, ut;
  double view_alt, view_az, zoom;
  double scale() const { return scl_sky * zoom; }
  double radius() const { return r_sky / zoom; }
  double theta() const { return lon + 15 * grn(t2000, ut) * rd; }
};

std::string describe(const Sky& s, double ra_h, double dec_deg) {
  std::ostringstream o;
  o << std::setprecision(17) << "lat " << s.lat << " lon " << s.lon << " rad, t2000 " << s.t2000
    << " ut " << s.ut << ", view alt " << s.view_alt << " az " << s.view_az << " deg, zoom "
    << s.zoom << "; ra " << ra_h << " h dec " << dec_deg << " deg:";
  return o.str();
}

// Values drawn so that the awkward ones come up often: the line of sight at
// or next to the zenith and the horizon, the poles, azimuths typed beyond
// 0..360, the zoom's ends.
class SkyDraws {
 public:
  explicit SkyDraws(std::uint64_t seed) : rng_(seed) {}

  double uniform(double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(rng_); }
  // A small positive angle, 1e-10 to 1e-2 (in whatever unit), even on a log
  // scale.
  double tiny() { return std::pow(10.0, uniform(-10, -2)); }
  double sign() { return uniform(0, 1) < 0.5 ? -1 : 1; }

  Sky sky() {
    Sky s{};
    const double k = uniform(0, 1);
    s.lat = k < 0.05  ? sign() * pi / 2
            : k < 0.1 ? sign() * (pi / 2 - tiny())
                      : uniform(-1, 1) * pi / 2;
    s.lon = uniform(-pi, pi);
    s.t2000 = uniform(-2, 2);
    s.ut = uniform(-9, 24);
    const double a = uniform(0, 1);
    s.view_alt = a < 0.1    ? 90
                 : a < 0.25 ? 90 - tiny()
                 : a < 0.3  ? 0
                 : a < 0.45 ? sign() * tiny()
                 : a < 0.5  ? -90
                            : uniform(-90, 90);
    s.view_az = uniform(0, 1) < 0.2 ? uniform(-1000, 1000) : uniform(0, 360);
    const double z = uniform(0, 1);
    s.zoom = z < 0.1 ? 1 : z < 0.2 ? 16 : uniform(1, 16);
    return s;
  }

  // A direction (right ascension, hours; declination, degrees): a third
  // anywhere on the sphere, a third in and around the field (out to 1.3
  // radii, some right at its edge), a third at or near the horizon.
  std::pair<double, double> direction(const Sky& s, const SkyRotation& rot) {
    const double kind = uniform(0, 3);
    Vec3 e{};
    if (kind < 1) {
      const double ra = uniform(0, 2 * pi), z = uniform(-1, 1);
      e = {std::sqrt(1 - z * z) * std::cos(ra), std::sqrt(1 - z * z) * std::sin(ra), z};
    } else if (kind < 2) {
      const double r = s.radius() * rd;
      const double d = uniform(0, 1) < 0.2 ? r + sign() * tiny() : uniform(0, 1.3 * r);
      const double t = uniform(0, 2 * pi);
      e = rot.equator_of_view({std::sin(d) * std::cos(t), std::sin(d) * std::sin(t), std::cos(d)});
    } else {
      const double alt = uniform(0, 1) < 0.2 ? 0 : sign() * tiny(), az = uniform(0, 2 * pi);
      e = equator_of_horizon(s, alt, az);
    }
    double ra_h = std::atan2(e.y, e.x) / rd / 15;
    if (ra_h < 0) ra_h += 24;
    const double dec_deg = std::asin(std::clamp(e.z, -1.0, 1.0)) / rd;
    return {ra_h, dec_deg};
  }

 private:
  // The equatorial direction of an altitude and azimuth, by the textbook's
  // spherical triangle (not through the rotation under test).
  static Vec3 equator_of_horizon(const Sky& s, double alt, double az) {
    const double sin_dec =
        std::sin(s.lat) * std::sin(alt) + std::cos(s.lat) * std::cos(alt) * std::cos(az);
    const double h = std::atan2(
        -std::sin(az) * std::cos(alt),
        std::cos(s.lat) * std::sin(alt) - std::sin(s.lat) * std::cos(alt) * std::cos(az));
    const double ra = s.theta() - h, cos_dec = std::sqrt(std::max(0.0, 1 - sin_dec * sin_dec));
    return {cos_dec * std::cos(ra), cos_dec * std::sin(ra), sin_dec};
  }

  std::mt19937_64 rng_;
};

TEST(SkyRotation, GivesTheDirectionsOfAltazAndPrj) {
  SkyDraws draw(20270115);
  int compared_pixels = 0, decided_near_edge = 0;
  for (int n = 0; n < skies; ++n) {
    const Sky s = draw.sky();
    const SkyRotation rot(s.theta(), s.lat, rd * s.view_alt, rd * s.view_az);
    for (int m = 0; m < directions_per_sky; ++m) {
      const auto [ra_h, dec_deg] = draw.direction(s, rot);
      // As place_in_field draws a table object ...
      const Horizon slow = altaz(rd * 15 * ra_h, rd * dec_deg, s.lat, s.lon, s.t2000, s.ut);
      const Projected q =
          prj(rd * s.view_alt, rd * s.view_az, xc_sky, yc_sky, s.scale(), slow.alt, slow.az);
      const bool slow_in = slow.alt >= 0 && q.d / rd <= s.radius();
      // ... and the constellation layer a faint star.
      const Vec3 e = equatorial_vector(ra_h, dec_deg);
      const Horizon fast = alt_az_of(rot.horizon(e));
      const ViewVec p = rot.view(e);
      const Projected f = project_view(p, xc_sky, yc_sky, s.scale());
      const bool fast_in = rot.horizon(e).z >= 0 && f.d / rd <= s.radius();

      std::ostringstream miss;
      miss << std::setprecision(17);
      if (!(std::fabs(fast.alt - slow.alt) <= angle_tol))
        miss << " altitude " << fast.alt << ", altaz " << slow.alt << ";";
      if (!(std::cos(slow.alt) * std::fabs(std::remainder(fast.az - slow.az, 2 * pi)) <= angle_tol))
        miss << " azimuth " << fast.az << ", altaz " << slow.az << ";";
      if (!(std::fabs(p.zenith - std::sin(slow.alt)) <= angle_tol))
        miss << " zenith component " << p.zenith << ", sin(alt) " << std::sin(slow.alt) << ";";
      if (!(std::fabs(f.d - q.d) <= angle_tol))
        miss << " distance from the line of sight " << f.d << ", prj " << q.d << ";";
      if (slow_in || fast_in) {
        ++compared_pixels;
        if (!(std::hypot(f.xp - q.xp, f.yp - q.yp) <= pixel_tol))
          miss << " pixel " << f.xp << ", " << f.yp << ", prj " << q.xp << ", " << q.yp << ";";
      }
      const bool near_edge =
          std::fabs(slow.alt) < edge_margin || std::fabs(q.d - s.radius() * rd) < edge_margin;
      decided_near_edge += near_edge;
      if (slow_in != fast_in && !near_edge)
        miss << " in the field: " << fast_in << ", by altaz and prj " << slow_in << ";";
      if (!miss.str().empty()) {
        ADD_FAILURE() << "sky " << n << ", direction " << m << ": " << describe(s, ra_h, dec_deg)
                      << miss.str();
        return;  // one case to reproduce is enough
      }
    }
  }
  // The draws reach what they are meant to reach.
  EXPECT_GT(compared_pixels, skies * directions_per_sky / 8);
  EXPECT_GT(decided_near_edge, 0);
}

}  // namespace
}  // namespace hz

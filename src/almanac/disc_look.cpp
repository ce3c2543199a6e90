// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/disc_look.hpp"

#include <algorithm>
#include <cmath>

#include "common/constants.hpp"

namespace hz {
namespace {

constexpr double km_per_au = 149597870.7;
constexpr double earth_radius_km = 6378.137;

// Equatorial diameters, km.
std::optional<double> diameter_km(AlmanacBody b) {
  switch (b) {
    case AlmanacBody::moon:
      return 3474.8;
    case AlmanacBody::mercury:
      return 4879.4;
    case AlmanacBody::venus:
      return 12103.6;
    case AlmanacBody::mars:
      return 6792.4;
    case AlmanacBody::jupiter:
      return 142984.0;
    case AlmanacBody::saturn:
      return 120536.0;
    default:
      return std::nullopt;
  }
}

struct Vec {
  double x, y, z;
};
Vec toward(const BodyPlace& p, double distance) {
  return {distance * std::cos(p.dc) * std::cos(p.ra), distance * std::cos(p.dc) * std::sin(p.ra),
          distance * std::sin(p.dc)};
}
double dot(const Vec& a, const Vec& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double norm(const Vec& a) { return std::sqrt(dot(a, a)); }
// The angle between two directions, degrees.
double angle_deg(const Vec& a, const Vec& b) {
  const double c = dot(a, b) / (norm(a) * norm(b));
  return std::acos(std::clamp(c, -1.0, 1.0)) / rd;
}

}  // namespace

std::optional<DiscLook> disc_look(AlmanacBody b, double t2000) {
  const std::optional<double> size = diameter_km(b);
  if (!size) return std::nullopt;
  const BodyPlace place = body_place(b, t2000);
  const BodyPlace sun_place = body_place(AlmanacBody::sun, t2000);
  const double au =
      b == AlmanacBody::moon ? earth_radius_km / place.sin_par / km_per_au : place.distance;
  const Vec body = toward(place, au);
  const Vec sun = toward(sun_place, sun_place.distance);
  const Vec body_to_sun{sun.x - body.x, sun.y - body.y, sun.z - body.z};
  const Vec body_to_earth{-body.x, -body.y, -body.z};

  DiscLook look{};
  look.phase_angle = angle_deg(body_to_sun, body_to_earth);
  look.lit_fraction = (1 + std::cos(look.phase_angle * rd)) / 2;
  look.diameter = 2 * std::asin(*size / 2 / (au * km_per_au)) / rd * 3600;
  look.elongation = angle_deg(sun, body);
  // East: the body's right ascension ahead of the Sun's by less than 12 h.
  const double ahead = std::remainder(place.ra - sun_place.ra, 2 * pi);
  look.east_of_sun = ahead > 0;
  return look;
}

const char* evening_or_morning_star(AlmanacBody b, const DiscLook& look) {
  if (b != AlmanacBody::venus && b != AlmanacBody::mercury) return nullptr;
  return look.east_of_sun ? "宵の明星" : "明けの明星";
}

}  // namespace hz

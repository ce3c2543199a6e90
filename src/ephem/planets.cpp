// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/planets.hpp"

#include <array>
#include <cmath>
#include <stdexcept>

#include "common/constants.hpp"
#include "ephem/ecliptic.hpp"
#include "ephem/orbit.hpp"

namespace hz {

namespace {

// Mean elements at J2000.0 and their rates per Julian century.
struct Elements {
  double a;      // semi-major axis, AU
  double e;      // eccentricity
  double i;      // inclination, deg
  double node;   // longitude of the ascending node, deg
  double peri;   // argument of perihelion, deg
  double m0;     // mean anomaly, deg
  double dnode;  // deg/cy
  double dperi;  // deg/cy
  double n;      // mean motion, deg/cy
};

// Rows 0 and 10 are empty.
constexpr std::array<Elements, 11> elements = {{
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0.3871, 0.2056, 7.0, 48.33, 29.13, 174.79, 1.19, 0.37, 149472.52},   // Mercury
    {0.7233, 0.0068, 3.39, 76.68, 54.88, 50.42, 0.9, 0.5, 58517.81},      // Venus
    {1.0, 0.0167, 0.0, 0.0, 102.94, 357.53, 0.0, 1.72, 35999.05},         // Earth
    {1.5237, 0.0934, 1.85, 49.56, 286.5, 19.37, 0.77, 1.07, 19139.86},    // Mars
    {5.2026, 0.0485, 1.3, 100.46, 273.87, 20.02, 1.02, 0.59, 3034.69},    // Jupiter
    {9.5549, 0.0555, 2.49, 113.67, 339.39, 317.02, 0.88, 1.09, 1221.55},  // Saturn
    {19.218, 0.0463, 0.77, 74.01, 99.0, 141.05, 0.52, 0.97, 428.38},      // Uranus
    {30.11, 0.009, 1.77, 131.78, 276.34, 256.22, 1.1, 0.32, 218.46},      // Neptune
    {39.54, 0.249, 17.15, 110.32, 113.82, 14.33, 1.35, 0.04, 145.29},     // Pluto
    {0, 0, 0, 0, 0, 0, 0, 0, 0},
}};

// Ecliptic rectangular vector of a heliocentric place.
struct Vec {
  double x, y, z;
};
Vec vec(const Heliocentric& h) {
  return {h.r * std::cos(h.lat) * std::cos(h.lon), h.r * std::cos(h.lat) * std::sin(h.lon),
          h.r * std::sin(h.lat)};
}

}  // namespace

Heliocentric elp(double k, double t2000) {
  const double row = std::nearbyint(k);
  if (!(row >= 0 && row <= 10)) throw std::out_of_range("elp: body number outside 0..10");
  const Elements& el = elements[static_cast<std::size_t>(row)];

  const double i = rd * el.i;
  const double node = rd * (el.node + t2000 * el.dnode);
  const double peri = rd * (el.peri + t2000 * el.dperi);

  // Mean anomaly into -pi < m <= pi.
  double m = el.m0 + t2000 * el.n;
  m = m - 360 * std::floor(m / 360);
  double m_kep = rd * m;
  if (m_kep > pi) m_kep = m_kep - 2 * pi;

  const OrbitPoint o = orbit_point(el.a, el.e, m_kep, i, peri);
  double lon = node + o.dir.p;
  if (lon < 0) lon = lon + 2 * pi;
  if (lon > 2 * pi) lon = lon - 2 * pi;
  return {lon, pi / 2 - o.dir.d, o.r};
}

Geocentric plpl(double k_pl, double t2000) {
  // The Earth is recomputed for every body.
  const Vec earth = vec(elp(3, t2000));
  const Vec body = k_pl == 0 ? Vec{0, 0, 0} : vec(elp(k_pl, t2000));
  const double dx = body.x - earth.x;
  const double dy = body.y - earth.y;
  const double dz = body.z - earth.z;
  const Equatorial eq = ecleq(1, dx, dy, dz, 0);
  return {eq.ra, eq.dc, std::sqrt(dx * dx + dy * dy + dz * dz)};
}

}  // namespace hz

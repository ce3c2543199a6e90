// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn boundaries lie where the lookup's borders are.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include "common/constants.hpp"
#include "constellation/boundary_table.hpp"
#include "constellation/constellation_at.hpp"
#include "support/reference_models.hpp"

namespace hz {
namespace {

// Longest drawn piece, degrees (the drawing may take each as straight); the
// points are written to a millionth of a degree.
constexpr double piece_max_deg = 1.0 + 1e-5;
// How far beside a border its two sides are probed, degrees.
constexpr double probe_deg = 0.01;
// The rotation against the reference precession, arcseconds.
constexpr double rotation_tol_arcsec = 0.001;

using Vec = std::array<double, 3>;

Vec unit(double ra_deg, double dec_deg) {
  const double a = ra_deg * rd, d = dec_deg * rd;
  return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

// v1875 = M v2000 (forward) or its transpose (back).
Vec rotate(const Vec& v, bool forward) {
  Vec w{};
  for (int i = 0; i < 3; ++i) {
    for (int k = 0; k < 3; ++k) {
      w[i] += (forward ? j2000_to_b1875[i][k] : j2000_to_b1875[k][i]) * v[k];
    }
  }
  return w;
}

struct RaDec {
  double ra_deg, dec_deg;
};

RaDec polar(const Vec& v) {
  double ra = std::atan2(v[1], v[0]) / rd;
  if (ra < 0) ra += 360;
  return {ra, std::atan2(v[2], std::hypot(v[0], v[1])) / rd};
}

// Which constellation holds the B1875 direction (ra, dec), degrees.
std::optional<int> at_b1875(double ra_deg, double dec_deg) {
  const RaDec j = polar(rotate(unit(ra_deg, dec_deg), false));
  return constellation_at(j.ra_deg / 15, j.dec_deg);
}

// The rotation to B1875.0 is the IAU 1976 precession, as the reference
// model gives it, to well below the boundaries' arcsecond.
TEST(BoundaryLines, RotationToB1875IsThePrecession) {
  const double b1875_centuries = (2405889.258550475 - 2451545.0) / 36525;  // JD of B1875.0
  const RaDec places[] = {{0, 0}, {83.8, -5.4}, {201.3, -11.2}, {37.9, 89.26}, {300, -89.9}};
  for (const RaDec& j : places) {
    const RaDec b = polar(rotate(unit(j.ra_deg, j.dec_deg), true));
    const reference::Place r =
        reference::precess_iau1976({j.ra_deg * rd, j.dec_deg * rd}, b1875_centuries);
    EXPECT_LT(reference::separation(b.ra_deg * rd, b.dec_deg * rd, r.ra, r.dc),
              rotation_tol_arcsec * reference::arcsec)
        << j.ra_deg << " " << j.dec_deg;
  }
}

// Each piece is short, and at its middle (taken in B1875, where the border
// runs along a parallel or an hour circle) the two sides of it lie in two
// different constellations.
TEST(BoundaryLines, ShortPiecesOnTheBorders) {
  int pieces = 0;
  for (const BoundaryLine& line : boundary_lines) {
    ASSERT_GE(line.count, 2u);
    for (std::uint32_t k = line.first; k + 1 < line.first + line.count; ++k) {
      const SkyPoint& p = boundary_points[k];
      const SkyPoint& q = boundary_points[k + 1];
      const double piece_deg = reference::separation(p.ra_h * 15 * rd, p.dec_deg * rd,
                                                     q.ra_h * 15 * rd, q.dec_deg * rd) /
                               rd;
      EXPECT_LE(piece_deg, piece_max_deg) << "point " << k;
      const Vec u = unit(p.ra_h * 15, p.dec_deg), v = unit(q.ra_h * 15, q.dec_deg);

      const RaDec a = polar(rotate(u, true)), b = polar(rotate(v, true));
      double step = b.ra_deg - a.ra_deg;
      if (step > 180) step -= 360;
      if (step < -180) step += 360;
      const double mid_ra = a.ra_deg + step / 2, mid_dec = (a.dec_deg + b.dec_deg) / 2;
      const bool along_parallel = std::abs(b.dec_deg - a.dec_deg) < 1e-6;
      const double dra = along_parallel ? 0 : probe_deg / std::cos(mid_dec * rd);
      const double ddec = along_parallel ? probe_deg : 0;
      const std::optional<int> one = at_b1875(mid_ra - dra, mid_dec - ddec);
      const std::optional<int> other = at_b1875(mid_ra + dra, mid_dec + ddec);
      ASSERT_TRUE(one && other) << "point " << k;
      EXPECT_NE(*one, *other) << "point " << k << ": " << p.ra_h << " h " << p.dec_deg << " deg";
      ++pieces;
    }
  }
  EXPECT_GT(pieces, 4000);
}

}  // namespace
}  // namespace hz

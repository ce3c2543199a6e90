// SPDX-License-Identifier: GPL-3.0-or-later
#include "ephem/ecliptic.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "common/constants.hpp"

namespace hz {
namespace {

constexpr double eps = 23.43928 * rd;

TEST(Ecleq, ExactDirections) {
  const struct {
    double x, y, z, ra, dc;
    const char* why;
  } cases[] = {
      {0, 0, 0, 3 * pi / 2, 0, "zero vector (the Earth seen from itself)"},
      {1, 0, 0, 0, 0, "equinox"},
      {-2, 0, 0, pi, 0, "autumn equinox, any length"},
  };
  for (const auto& c : cases) {
    const Equatorial q = ecleq(1, c.x, c.y, c.z, 0);
    EXPECT_EQ(q.ra, c.ra) << c.why;
    EXPECT_EQ(q.dc, c.dc) << c.why;
  }
}

TEST(Ecleq, EclipticPoleLiesAtSixHoursBelowThePole) {
  // X = 0 and Y = -sin eps < 0: the b = 0 branch gives 3 pi/2.
  const Equatorial q = ecleq(1, 0, 0, 1, 0);
  EXPECT_EQ(q.ra, 3 * pi / 2);
  EXPECT_NEAR(q.dc, pi / 2 - eps, 1e-15);
  // The correction adds to the obliquity.
  const Equatorial r = ecleq(1, 0, 0, 1, 0.01);
  EXPECT_NEAR(r.dc, pi / 2 - eps - 0.01, 1e-15);
}

TEST(Ecleq, SphericalSolsticePoint) {
  const Equatorial q = ecleq(0, pi / 2, 0, 123.0, 0);  // a3 ignored
  EXPECT_NEAR(q.ra, pi / 2, 1e-14);
  EXPECT_NEAR(q.dc, eps, 1e-14);
}

TEST(Ecleq, SphericalAndRectangularFormsAgree) {
  for (int i = 0; i < 50; ++i) {
    const double lon = 0.13 * i, lat = -1.2 + 0.05 * i, r = 0.5 + i;
    const Equatorial s = ecleq(0, lon, lat, 0, 0);
    const Equatorial v =
        ecleq(2, r * std::cos(lat) * std::cos(lon), r * std::cos(lat) * std::sin(lon),
              r * std::sin(lat), 0);  // any non-zero xyz is rectangular
    EXPECT_NEAR(s.ra, v.ra, 1e-12) << "lon " << lon << " lat " << lat;
    EXPECT_NEAR(s.dc, v.dc, 1e-12) << "lon " << lon << " lat " << lat;
    EXPECT_GE(s.ra, 0);
    EXPECT_LE(s.ra, 2 * pi);
  }
}

}  // namespace
}  // namespace hz

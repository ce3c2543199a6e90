// SPDX-License-Identifier: GPL-3.0-or-later
// Loading and precessing the star table.
#include "catalog/stardata.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "catalog/star_table.hpp"
#include "support/table_rows.hpp"

namespace hz {
namespace {

using testing::star_row;

// Arrays as the caller holds them, prefilled with marks that the call must
// leave alone where it does not write.
struct Arrays {
  ObjectArray ra, dc;
  StarArray<double> mag;
  StarArray<int> col;
  Arrays() {
    for (int i = 0; i < object_table_size; ++i) {
      ra[i] = 1000 + i;
      dc[i] = -1000 - i;
    }
    mag.fill(99.5);
    col.fill(-3);
  }
};

Arrays load(double t2000) {
  Arrays a;
  stardata(t2000, a.ra, a.dc, a.mag, a.col);
  return a;
}

// Worked values of the two-pass formulas, to 10 decimals. Polaris moves by
// more than an hour in 50 years; Alpheratz at t2000 = -2 goes below 0 h.
TEST(Stardata, WorkedPrecession) {
  struct Case {
    const char* star;
    double t2000, ra, dc;
    const char* why;
  };
  const Case cases[] = {
      {"alp And", 0.5, 0.1830458367, 29.3670305584, "ordinary row, 50 years on"},
      {"alp And", -2.0, -0.0314960426, 27.9754934937, "early epoch, right ascension below 0 h"},
      {"alp UMi", 0.5, 3.7736668630, 89.4608864190, "near the pole, large motion"},
      {"alp CMa", 0.5, 6.7894344586, -16.7798964092, "southern declination"},
  };
  for (const auto& k : cases) {
    const Arrays a = load(k.t2000);
    const int i = star_row(k.star);
    EXPECT_NEAR(a.ra[i], k.ra, 5e-11) << k.why << ": " << k.star << " t2000 " << k.t2000;
    EXPECT_NEAR(a.dc[i], k.dc, 5e-11) << k.why << ": " << k.star << " t2000 " << k.t2000;
  }
}

// At J2000.0 itself nothing moves: every position is the table's, exactly.
TEST(Stardata, EpochJ2000GivesTableValues) {
  const Arrays a = load(0);
  for (int i = 1; i <= last_star; ++i) {
    EXPECT_EQ(a.ra[i], star_table[i - 1].ra_h) << "row " << i;
    EXPECT_EQ(a.dc[i], star_table[i - 1].dec_deg) << "row " << i;
  }
}

// Magnitudes and codes are copied unchanged whatever the epoch.
TEST(Stardata, MagnitudesAndCodesCopied) {
  const Arrays a = load(1.3);
  for (int i = 1; i <= last_star; ++i) {
    EXPECT_EQ(a.mag[i], star_table[i - 1].mag) << "row " << i;
    EXPECT_EQ(a.col[i], star_table[i - 1].code) << "row " << i;
  }
}

// Index 0 and the Sun, planets and Moon (301..311) belong to the caller.
TEST(Stardata, LeavesOtherIndicesAlone) {
  const Arrays a = load(0.5);
  const Arrays before;
  EXPECT_EQ(a.ra[0], before.ra[0]);
  EXPECT_EQ(a.dc[0], before.dc[0]);
  EXPECT_EQ(a.mag[0], before.mag[0]);
  EXPECT_EQ(a.col[0], before.col[0]);
  for (int i = sun_index; i <= moon_index; ++i) {
    EXPECT_EQ(a.ra[i], before.ra[i]) << "index " << i;
    EXPECT_EQ(a.dc[i], before.dc[i]) << "index " << i;
  }
}

// A right ascension that precesses below 0 h is stored as it is, not
// brought back into 0..24 h.
TEST(Stardata, NegativeRightAscensionNotReduced) {
  const Arrays a = load(-2);
  const int alpheratz = star_row("alp And");
  EXPECT_LT(a.ra[alpheratz], 0) << "Alpheratz at t2000 = -2: " << a.ra[alpheratz];
  EXPECT_GT(a.ra[alpheratz], -0.1);
}

}  // namespace
}  // namespace hz

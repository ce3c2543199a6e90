// SPDX-License-Identifier: GPL-3.0-or-later
// The extended star table against an independent list, and against the
// built-in 300 it stands beside.
#include "constellation/extended_stars.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string_view>

#include "common/constants.hpp"
#include "support/reference_models.hpp"

namespace hz {
namespace {

// The package's positions are Hipparcos J2000.0 places, like the list's.
constexpr double position_tol_deg = 0.005;
// Its magnitudes come from other photometry than the list's V: red stars
// differ by up to 0.2.
constexpr double magnitude_tol = 0.25;
// Closer than this to a built-in star is the same dot (a tenth of a pixel).
constexpr double same_dot_deg = 0.02;

double separation_deg(double ra1_h, double dec1, double ra2_h, double dec2) {
  return reference::separation(ra1_h * 15 * rd, dec1 * rd, ra2_h * 15 * rd, dec2 * rd) / rd;
}

std::optional<int> row_designated(std::string_view designation) {
  for (int row = 1; row <= extended_star_count; ++row) {
    if (extended_star_name(row).designation == designation) return row;
  }
  return std::nullopt;
}

// Twelve stars spread over the sky, rows copied from an independent list of
// 1,453 named bright stars, bright-stars.tsv (V magnitudes, J2000.0).
TEST(ExtendedStars, AgreeWithTheBrightStarList) {
  struct Listed {
    const char* designation;
    double ra_h, dec_deg, vmag;
  };
  const Listed listed[] = {
      {"the Oct", 0.026577, -77.06569, 4.93}, {"tau And", 1.676338, 40.57705, 4.94},
      {"iot Tau", 5.051596, 21.58996, 4.63},  {"kap Col", 6.275871, -35.14052, 4.47},
      {"the Vol", 8.651434, -70.38675, 5.18}, {"del Ant", 10.493160, -30.60706, 5.56},
      {"psi Vir", 12.905878, -9.53899, 4.97}, {"bet Cir", 15.291933, -58.80088, 4.07},
      {"sig Dra", 19.539052, 69.66540, 4.67}, {"zet Ind", 20.824712, -46.22683, 5.06},
      {"gam Aqr", 22.360917, -1.38735, 3.85}, {"sig Phe", 23.787777, -50.22646, 5.14},
  };
  for (const Listed& l : listed) {
    const std::optional<int> row = row_designated(l.designation);
    ASSERT_TRUE(row) << l.designation << " is not in the table";
    const StarRow& s = extended_stars[static_cast<std::size_t>(*row - 1)];
    EXPECT_LE(separation_deg(s.ra_h, s.dec_deg, l.ra_h, l.dec_deg), position_tol_deg)
        << l.designation << ": " << s.ra_h << " h " << s.dec_deg << " deg";
    EXPECT_NEAR(s.mag, l.vmag, magnitude_tol) << l.designation;
  }
}

// No extended star sits on a built-in one's dot (drawn twice), and the rows
// hold what the drawing relies on: order, colour code, magnitude.
TEST(ExtendedStars, BesideTheBuiltInTableNotOnIt) {
  double last_ra = -1;
  for (int row = 1; row <= extended_star_count; ++row) {
    const StarRow& s = extended_stars[static_cast<std::size_t>(row - 1)];
    EXPECT_GE(s.ra_h, last_ra) << "row " << row;
    last_ra = s.ra_h;
    EXPECT_LT(s.ra_h, 24) << "row " << row;
    EXPECT_GE(s.code, 1) << "row " << row;
    EXPECT_LE(s.code, 7) << "row " << row;
    // Fainter than 6.0 only for a figure star (Mira, variable).
    EXPECT_LE(s.mag, 6.5) << "row " << row;
    EXPECT_NE(*display_name(extended_star_name(row)), '\0') << "row " << row << " has no name";
    double nearest = 180;
    for (const StarRow& b : star_table) {
      nearest = std::min(nearest, separation_deg(s.ra_h, s.dec_deg, b.ra_h, b.dec_deg));
    }
    EXPECT_GT(nearest, same_dot_deg)
        << "row " << row << " (" << extended_star_name(row).designation << ")";
  }
}

}  // namespace
}  // namespace hz

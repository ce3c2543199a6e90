// SPDX-License-Identifier: GPL-3.0-or-later
// The make-up of the built-in star table: every count and every fixed row
// that the star field relies on. The table is generated once and committed,
// so these tests catch a hand edit (or a bad regeneration) that breaks it.
#include "catalog/star_table.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>

#include "support/table_rows.hpp"

namespace hz {
namespace {

using testing::star_row;

// Magnitude in whole tenths (the table holds one decimal).
int tenths(double mag) { return static_cast<int>(std::nearbyint(mag * 10)); }
// Right ascension in whole units of 0.0001 h.
long long ra_units(double ra_h) { return std::llround(ra_h * 1e4); }

// True if v is the double nearest to a decimal with at most `places` decimals.
bool has_at_most_decimals(double v, int places) {
  const double scale = std::pow(10.0, places);
  return std::nearbyint(v * scale) / scale == v;
}

const StarRow& row(int i) { return star_table[i - 1]; }

// The stars the star field relies on, by name.
const int southernmost = star_row("bet Hyi");
const int northernmost = star_row("alp UMi");
const int brightest = star_row("alp CMa");
const int faintest = star_row("del1 Lyr");
// The one declination written with 13 decimals.
const int long_declination = star_row("the Oph");

// The four groups where the faint stars (4.0 and fainter) sit.
enum class Group { none, pleiades, corona, ursa_minor, lyra };

Group faint_group(const StarRow& s) {
  if (std::abs(s.ra_h - 3.76) <= 0.1 && std::abs(s.dec_deg - 24) <= 1) return Group::pleiades;
  if (s.ra_h >= 15.5 && s.ra_h <= 16.1 && s.dec_deg >= 26 && s.dec_deg <= 32) return Group::corona;
  if (s.ra_h >= 15.7 && s.ra_h <= 17.6 && s.dec_deg > 75) return Group::ursa_minor;
  // "+37 to +40": del1 Lyr at +36.972 counts as +37.
  if (std::abs(s.ra_h - 18.8) <= 0.15 && s.dec_deg >= 36.95 && s.dec_deg <= 40) return Group::lyra;
  return Group::none;
}

// Seven stars are fixed in value; the star field and the precession checks
// are built on them.
TEST(StarTable, FixedRowsExact) {
  struct Fixed {
    const char* star;
    double ra, dc, mag;
    int code;
    const char* why;
  };
  const Fixed fixed[] = {
      {"alp And", 0.1399, 29.0889, 2.1, 3, "first in right ascension"},
      {"bet Hyi", 0.4337, -77.2519, 2.8, 5, "southernmost"},
      {"alp UMi", 2.5315, 89.2639, 2.0, 4, "northernmost"},
      {"alp CMa", 6.7522, -16.7241, -1.5, 3, "brightest"},
      {"the Oph", 17.3668, -25.0001333333333, 3.3, 2, "declination held to 13 decimals"},
      {"del1 Lyr", 18.8954, 36.972, 5.6, 2, "faintest"},
      {"gam Cep", 23.6557, 77.633, 3.1, 6, "last in right ascension"},
  };
  for (const auto& f : fixed) {
    const StarRow& s = row(star_row(f.star));
    EXPECT_EQ(s.ra_h, f.ra) << f.star << " (" << f.why << ")";
    EXPECT_EQ(s.dec_deg, f.dc) << f.star << " (" << f.why << ")";
    EXPECT_EQ(s.mag, f.mag) << f.star << " (" << f.why << ")";
    EXPECT_EQ(s.code, f.code) << f.star << " (" << f.why << ")";
  }
}

// Rows are in strictly increasing right ascension even at the 4 decimals
// they are written with; with the fixed rows in place this also fixes how
// many rows lie between each two of them.
TEST(StarTable, RightAscensionStrictlyIncreasingAtFourDecimals) {
  EXPECT_EQ(ra_units(row(1).ra_h), 1399);
  EXPECT_EQ(ra_units(row(last_star).ra_h), 236557);
  for (int i = 2; i <= last_star; ++i) {
    EXPECT_LT(ra_units(row(i - 1).ra_h), ra_units(row(i).ra_h))
        << "rows " << i - 1 << " and " << i << ": " << row(i - 1).ra_h << " vs " << row(i).ra_h;
  }
}

// Real star positions are written to 4 decimals and magnitudes to one; only
// the Oph carries a longer declination.
TEST(StarTable, ValuesHaveTheirDecimals) {
  for (int i = 1; i <= last_star; ++i) {
    const StarRow& s = row(i);
    EXPECT_TRUE(has_at_most_decimals(s.ra_h, 4)) << "row " << i << " ra " << s.ra_h;
    if (i != long_declination) {
      EXPECT_TRUE(has_at_most_decimals(s.dec_deg, 4)) << "row " << i << " dec " << s.dec_deg;
    }
    EXPECT_TRUE(has_at_most_decimals(s.mag, 1)) << "row " << i << " mag " << s.mag;
  }
  EXPECT_FALSE(has_at_most_decimals(row(long_declination).dec_deg, 4))
      << "the Oph keeps its 13 decimals";
}

// Ranges: the fixed extremes stay the extremes (no other row as far south,
// as far north, as bright or as faint).
TEST(StarTable, FixedRowsAreTheExtremes) {
  for (int i = 1; i <= last_star; ++i) {
    const StarRow& s = row(i);
    EXPECT_GE(s.ra_h, 0) << "row " << i;
    EXPECT_LT(s.ra_h, 24) << "row " << i;
    if (i != southernmost) {
      EXPECT_GT(s.dec_deg, row(southernmost).dec_deg) << "row " << i << " south of bet Hyi";
    }
    if (i != northernmost) {
      EXPECT_LT(s.dec_deg, row(northernmost).dec_deg) << "row " << i << " north of alp UMi";
    }
    if (i != brightest) {
      EXPECT_GT(s.mag, row(brightest).mag) << "row " << i << " brighter than alp CMa";
    }
    if (i != faintest) {
      EXPECT_LT(s.mag, row(faintest).mag) << "row " << i << " fainter than del1 Lyr";
    }
  }
}

// Dot sizes in the star field follow these bands.
TEST(StarTable, MagnitudeBands) {
  int bright = 0, mid = 0, faint = 0, other = 0;
  for (const StarRow& s : star_table) {
    const int t = tenths(s.mag);
    if (t <= 35) {
      ++bright;
    } else if (t <= 39) {
      ++mid;
    } else if (t <= 56) {
      ++faint;
    } else {
      ++other;
    }
  }
  EXPECT_EQ(bright, 260) << "3.5 or brighter";
  EXPECT_EQ(mid, 27) << "3.6 to 3.9";
  EXPECT_EQ(faint, 13) << "4.0 to 5.6";
  EXPECT_EQ(other, 0) << "fainter than 5.6";
}

// The faint stars are not scattered: each sits in one of four small groups,
// with a fixed number in each.
TEST(StarTable, FaintStarsInTheirFourGroups) {
  std::map<Group, int> n;
  for (int i = 1; i <= last_star; ++i) {
    const StarRow& s = row(i);
    if (tenths(s.mag) < 40) continue;
    const Group g = faint_group(s);
    EXPECT_NE(g, Group::none) << "row " << i << " (" << s.ra_h << " h, " << s.dec_deg
                              << " deg, mag " << s.mag << ") is faint but in no group";
    ++n[g];
  }
  EXPECT_EQ(n[Group::pleiades], 2) << "near 3.76 h, +24 deg";
  EXPECT_EQ(n[Group::corona], 4) << "15.5-16.1 h, +26 to +32 deg";
  EXPECT_EQ(n[Group::ursa_minor], 4) << "15.7-17.6 h, north of +75 deg";
  EXPECT_EQ(n[Group::lyra], 3) << "near 18.8 h, +37 to +40 deg";
  EXPECT_EQ(faint_group(row(faintest)), Group::lyra) << "del1 Lyr is one of the Lyra three";
}

// Star colours come from these codes; their proportions are fixed.
TEST(StarTable, SpectralCodeCounts) {
  int n[8] = {};
  for (int i = 1; i <= last_star; ++i) {
    const int c = row(i).code;
    ASSERT_GE(c, 1) << "row " << i;
    ASSERT_LE(c, 7) << "row " << i;
    ++n[c];
  }
  const int expected[8] = {0, 3, 79, 67, 29, 25, 82, 15};
  const char* cls = "-OBAFGKM";
  for (int c = 1; c <= 7; ++c) EXPECT_EQ(n[c], expected[c]) << "class " << cls[c];
}

TEST(StarTable, PolarCounts) {
  int north = 0, south = 0;
  for (const StarRow& s : star_table) {
    if (s.dec_deg > 60) ++north;
    if (s.dec_deg < -60) ++south;
  }
  EXPECT_EQ(north, 23) << "north of +60 deg";
  EXPECT_EQ(south, 19) << "south of -60 deg";
}

// Every row is named; the best-known stars carry their Japanese names.
TEST(StarTable, RowsCarryTheirNames) {
  struct Named {
    const char* designation;
    const char* proper;
    const char* japanese;
  } const cases[] = {
      {"alp CMa", "Sirius", "シリウス"},  {"alp Car", "Canopus", "カノープス"},
      {"alp Lyr", "Vega", "ベガ"},        {"alp UMi", "Polaris", "ポラリス"},
      {"gam2 And", "Almach", "アルマク"}, {"bet Hyi", "", ""},
  };
  for (const Named& c : cases) {
    const StarName& n = star_names[static_cast<std::size_t>(star_row(c.designation) - 1)];
    EXPECT_STREQ(n.proper, c.proper) << c.designation;
    EXPECT_STREQ(n.japanese, c.japanese) << c.designation;
  }
  int japanese = 0;
  for (const StarName& n : star_names) {
    EXPECT_TRUE(*n.designation || *n.proper);
    if (*n.japanese) {
      EXPECT_TRUE(*n.proper) << n.japanese;
      ++japanese;
    }
  }
  EXPECT_GE(japanese, 40);
}

}  // namespace
}  // namespace hz

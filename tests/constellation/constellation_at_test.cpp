// SPDX-License-Identifier: GPL-3.0-or-later
// The boundary lookup: named stars, the poles and 0 h, the whole sky
// covered, and the stars whose designations name their constellation.
#include "constellation/constellation_at.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"

namespace hz {
namespace {

// Share of the designated stars that must fall in the constellation their
// designation names; the rest are listed below.
constexpr double designated_share = 0.99;

std::string abbreviation_at(double ra_h, double dec_deg) {
  const std::optional<int> c = constellation_at(ra_h, dec_deg);
  return c ? constellations[static_cast<std::size_t>(*c)].abbreviation : "none";
}

std::optional<int> index_of(std::string_view abbreviation) {
  for (std::size_t k = 0; k < constellations.size(); ++k) {
    if (abbreviation == constellations[k].abbreviation) return static_cast<int>(k);
  }
  return std::nullopt;
}

const StarRow& builtin_named(std::string_view proper) {
  for (std::size_t k = 0; k < star_table.size(); ++k) {
    if (proper == star_names[k].proper) return star_table[k];
  }
  ADD_FAILURE() << proper << " is not a built-in star";
  return star_table[0];
}

TEST(ConstellationAt, NamedStarsPolesAndZeroHours) {
  struct Case {
    const char* what;
    double ra_h, dec_deg;
    const char* expected;
  };
  const StarRow& betelgeuse = builtin_named("Betelgeuse");
  const StarRow& polaris = builtin_named("Polaris");
  const StarRow& sirius = builtin_named("Sirius");
  const Case cases[] = {
      {"Betelgeuse", betelgeuse.ra_h, betelgeuse.dec_deg, "Ori"},
      {"Polaris", polaris.ra_h, polaris.dec_deg, "UMi"},
      {"Sirius", sirius.ra_h, sirius.dec_deg, "CMa"},
      {"north pole", 0, 90, "UMi"},
      {"north pole, other hour", 13, 90, "UMi"},
      {"south pole", 0, -90, "Oct"},
      {"south pole, other hour", 7, -90, "Oct"},
      {"0 h on the equator", 0, 0, "Psc"},
      {"24 h is 0 h", 24, 0, "Psc"},
      {"just west of 0 h", 23.99999, 45, "And"},
      {"negative hours", -0.00001, 45, "And"},
      {"just east of 0 h", 0.00001, 45, "And"},
      {"across 0 h in Cepheus", 0.01, 75, "Cep"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(abbreviation_at(c.ra_h, c.dec_deg), c.expected) << c.what;
  }
}

// A name is written inside its own constellation.
TEST(ConstellationAt, LabelPointsInTheirOwnConstellation) {
  for (const Constellation& c : constellations) {
    EXPECT_EQ(abbreviation_at(c.label_ra_h, c.label_dec_deg), c.abbreviation);
  }
}

// Every direction lies in some constellation: no gap between regions,
// along the poles' rows and both sides of 0 h included.
TEST(ConstellationAt, CoversTheWholeSky) {
  int missing = 0;
  for (int i = 0; i <= 90; ++i) {
    for (int j = 0; j <= 240; ++j) {
      const double dec = -90 + 2.0 * i;
      const double ra = 0.1 * j;
      if (!constellation_at(ra, dec)) {
        if (++missing <= 5) ADD_FAILURE() << "no constellation at " << ra << " h " << dec << " deg";
      }
    }
  }
  EXPECT_EQ(missing, 0);
}

// Stars whose Bayer or Flamsteed designation names a constellation lie in it,
// but for the few that the boundaries of 1930 left across a border.
TEST(ConstellationAt, DesignatedStarsInTheirConstellation) {
  const std::set<std::string> across_a_border = {
      // Listed with where they lie; famous ones: 10 UMa in Lyn, rho Aql in Del.
      "1 Aur in Per",  "10 UMa in Lyn", "14 Sge in Aql", "15 LMi in UMa",  "17 Crt in Hya",
      "2 PsA in Mic",  "2 Ser in Vir",  "2 Sex in Hya",  "2 UMi in Cep",   "24 Sco in Oph",
      "3 PsA in Mic",  "30 Ser in Lib", "32 Oph in Her", "34 Vul in Peg",  "41 Lyn in UMa",
      "44 Eri in Tau", "47 LMi in UMa", "49 Eri in Tau", "54 Cet in Ari",  "55 Cam in UMa",
      "57 Cam in UMa", "6 Per in And",  "62 Ser in Aql", "77 Dra in Cep",  "77 Ori in Mon",
      "78 Dra in Cep", "78 Ori in Mon", "M Ser in Vir",  "rho Aql in Del",
  };
  int designated = 0;
  std::set<std::string> outside;
  auto check = [&](const StarRow& s, const char* designation, int con) {
    ++designated;
    const std::string at = abbreviation_at(s.ra_h, s.dec_deg);
    if (at != constellations[static_cast<std::size_t>(con)].abbreviation) {
      outside.insert(std::string(designation) + " in " + at);
    }
  };
  for (std::size_t k = 0; k < star_table.size(); ++k) {
    const std::string_view d = star_names[k].designation;
    const std::size_t space = d.rfind(' ');
    if (space == std::string_view::npos) continue;
    if (const std::optional<int> con = index_of(d.substr(space + 1))) {
      check(star_table[k], star_names[k].designation, *con);
    }
  }
  for (int row = 1; row <= extended_star_count; ++row) {
    if (const std::optional<int> con = designated_constellation(row)) {
      check(extended_stars[static_cast<std::size_t>(row - 1)], extended_star_name(row).designation,
            *con);
    }
  }
  EXPECT_GE(designated - static_cast<int>(outside.size()), designated_share * designated)
      << outside.size() << " of " << designated << " outside";
  EXPECT_GT(designated, 2000);
  for (const std::string& s : outside) {
    EXPECT_TRUE(across_a_border.count(s)) << "\"" << s << "\",";
  }
  for (const std::string& s : across_a_border) {
    EXPECT_TRUE(outside.count(s)) << s << " is no longer outside";
  }
}

}  // namespace
}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The stars a lesson names and the asterisms' vertices, against an independent
// list of named bright stars (bright-stars.tsv, J2000.0, V magnitudes).
#include "constellation/lesson_stars.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "catalog/star_table.hpp"
#include "common/constants.hpp"
#include "support/reference_models.hpp"

namespace hz {
namespace {

// The built-in table keeps four decimals of hours and degrees, and its
// places differ from the list's by up to 0.013 degrees (Sirius); the
// nearest other bright star is degrees away.
constexpr double position_tol_deg = 0.02;

struct Listed {
  const char* name;
  double ra_h, dec_deg;
};

double separation_deg(const StarRow& s, const Listed& l) {
  return reference::separation(s.ra_h * 15 * rd, s.dec_deg * rd, l.ra_h * 15 * rd, l.dec_deg * rd) /
         rd;
}

// Each asterism's line through the list's stars, in the list's names.
TEST(Asterisms, EachVertexIsItsNamedStar) {
  const Listed vega{"Vega", 18.615607, 38.78299}, altair{"Altair", 19.846301, 8.86738},
      deneb{"Deneb", 20.690532, 45.28033}, betelgeuse{"Betelgeuse", 5.919525, 7.40704},
      sirius{"Sirius", 6.752569, -16.71314}, procyon{"Procyon", 7.655149, 5.22751},
      alioth{"Alioth", 12.900454, 55.95984}, mizar{"Mizar", 13.398728, 54.92542},
      alkaid{"Alkaid", 13.792374, 49.31330}, arcturus{"Arcturus", 14.261208, 19.18727},
      spica{"Spica", 13.419890, -11.16124}, denebola{"Denebola", 11.817744, 14.57234},
      megrez{"Megrez", 12.257069, 57.03260}, dubhe{"Dubhe", 11.062175, 61.75112},
      merak{"Merak", 11.030664, 56.38234}, phecda{"Phecda", 11.897179, 53.69476},
      markab{"Markab", 23.079338, 15.20537}, scheat{"Scheat", 23.062905, 28.08278},
      alpheratz{"Alpheratz", 0.139769, 29.09083}, algenib{"Algenib", 0.220597, 15.18362},
      caph{"Caph", 0.152803, 59.15022}, schedar{"Schedar", 0.675108, 56.53741},
      navi{"Navi", 0.945139, 60.71675}, ruchbah{"Ruchbah", 1.430168, 60.23540},
      segin{"Segin", 1.906579, 63.67015};
  const struct {
    std::string name;
    std::vector<Listed> path;
  } expected[] = {
      {"夏の大三角", {vega, altair, deneb, vega}},
      {"冬の大三角", {betelgeuse, sirius, procyon, betelgeuse}},
      {"春の大曲線", {alioth, mizar, alkaid, arcturus, spica}},
      {"春の大三角", {arcturus, spica, denebola, arcturus}},
      {"北斗七星", {megrez, dubhe, merak, phecda, megrez, alioth, mizar, alkaid}},
      {"秋の四辺形", {markab, scheat, alpheratz, algenib, markab}},
      {"カシオペヤ座のW", {caph, schedar, navi, ruchbah, segin}},
  };
  const auto all = asterisms();
  ASSERT_EQ(all.size(), std::size(expected));
  for (std::size_t k = 0; k < all.size(); ++k) {
    EXPECT_EQ(all[k].japanese, expected[k].name);
    ASSERT_EQ(all[k].path.size(), expected[k].path.size()) << expected[k].name;
    for (std::size_t i = 0; i < all[k].path.size(); ++i) {
      const int row = builtin_row_of(all[k].path[i]);
      const Listed& l = expected[k].path[i];
      ASSERT_GT(row, 0) << all[k].path[i] << " is not a built-in star";
      EXPECT_LE(separation_deg(star_table[static_cast<std::size_t>(row - 1)], l), position_tol_deg)
          << expected[k].name << ": " << all[k].path[i] << " is not " << l.name;
    }
  }
}

// Every star of the list brighter than magnitude 1.5 is named (Alpha
// Centauri's fainter half shares its brighter half's name), and so are the
// stars lessons name though fainter.
TEST(LessonStars, EveryStarBrighterThanOneAndAHalfAndThoseLessonsName) {
  const Listed listed[] = {
      {"Sirius", 6.752569, -16.71314},
      {"Canopus", 6.399192, -52.69572},
      {"Rigel Kentaurus", 14.661361, -60.83515},
      {"Vega", 18.615607, 38.78299},
      {"Capella", 5.278138, 45.99903},
      {"Arcturus", 14.261208, 19.18727},
      {"Rigel", 5.242298, -8.20164},
      {"Procyon", 7.655149, 5.22751},
      {"Achernar", 1.628542, -57.23666},
      {"Betelgeuse", 5.919525, 7.40704},
      {"Hadar", 14.063734, -60.37298},
      {"Altair", 19.846301, 8.86738},
      {"Aldebaran", 4.598667, 16.50976},
      {"Spica", 13.419890, -11.16124},
      {"Antares", 16.490130, -26.43195},
      {"Pollux", 7.755379, 28.02631},
      {"Fomalhaut", 22.960785, -29.62184},
      {"Acrux", 12.443318, -63.09905},
      {"Mimosa", 12.795366, -59.68873},
      {"Deneb", 20.690532, 45.28033},
      {"Regulus", 10.139572, 11.96719},
      {"Polaris", 2.529744, 89.26414},
      {"Castor", 7.576669, 31.88860},
      {"Denebola", 11.817744, 14.57234},
  };
  for (const Listed& l : listed) {
    bool named = false;
    for (const LessonStar& s : lesson_stars()) {
      const int row = builtin_row_of(s.designation);
      ASSERT_GT(row, 0) << s.designation << " is not a built-in star";
      named |= separation_deg(star_table[static_cast<std::size_t>(row - 1)], l) <= position_tol_deg;
    }
    EXPECT_TRUE(named) << l.name;
  }
}

}  // namespace
}  // namespace hz

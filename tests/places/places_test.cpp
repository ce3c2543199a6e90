// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/places.hpp"

#include <gtest/gtest.h>

#include <string>

namespace hz {
namespace {

// The table holds degrees rounded to 0.01: within half a step of the source.
constexpr double half_step_deg = 0.005 + 1e-9;

double degrees(int d, int m, int s) { return d + m / 60.0 + s / 3600.0; }

TEST(Places, AgreeWithThePublishedPositions) {
  // Positions of the prefectural offices, 世界測地系, as the Geospatial
  // Information Authority of Japan publishes them (都道府県庁所在地の経緯度).
  const struct {
    const char* city;
    double lon_deg, lat_deg;
  } published[] = {
      {"Sapporo", degrees(141, 20, 49), degrees(43, 3, 51)},
      {"Tokyo", degrees(139, 41, 30), degrees(35, 41, 22)},
      {"Osaka", degrees(135, 31, 12), degrees(34, 41, 11)},
      {"Fukuoka", degrees(130, 25, 5), degrees(33, 36, 23)},
      {"Naha", degrees(127, 40, 52), degrees(26, 12, 45)},
  };
  for (const auto& c : published) {
    const Place* p = find_place(c.city);
    ASSERT_NE(p, nullptr) << c.city;
    EXPECT_NEAR(p->lon_deg, c.lon_deg, half_step_deg) << c.city;
    EXPECT_NEAR(p->lat_deg, c.lat_deg, half_step_deg) << c.city;
  }
}

TEST(Places, CapitalsInCodeOrderThenAkashi) {
  const std::span<const Place> all = places();
  ASSERT_EQ(all.size(), 48u);
  // Prefectures found by name sit at their codes of JIS X 0401.
  const struct {
    const char* prefecture;
    int code;
  } coded[] = {{"北海道", 1}, {"東京都", 13}, {"京都府", 26}, {"兵庫県", 28}, {"沖縄県", 47}};
  for (const auto& c : coded) {
    const Place* p = find_place(c.prefecture);
    ASSERT_NE(p, nullptr) << c.prefecture;
    EXPECT_STREQ(p->prefecture_ja, c.prefecture);
    EXPECT_EQ(p - all.data() + 1, c.code) << c.prefecture;
  }
  EXPECT_STREQ(all.back().city_ja, "明石市");
  // Akashi stands on the meridian of Japan Standard Time.
  EXPECT_DOUBLE_EQ(all.back().lon_deg, 135.0);
}

TEST(Places, FoundByName) {
  const struct {
    const char* name;
    const char* city;  // romaji of the place found; nullptr: none
    const char* why;
  } cases[] = {
      {"札幌", "Sapporo", "city without 市"},
      {"札幌市", "Sapporo", "city with 市"},
      {"北海道", "Sapporo", "prefecture: its capital"},
      {"sapporo", "Sapporo", "romaji, lower case"},
      {"HOKKAIDO", "Sapporo", "romaji, upper case"},
      {"Tokyo", "Tokyo", "Tokyo by romaji"},
      {"東京都", "Tokyo", "with 都"},
      {"東京", "Tokyo", "without 都"},
      {"京都府", "Kyoto", "with 府"},
      {"京都", "Kyoto", "a name that ends in a suffix's character"},
      {"大阪", "Osaka", "city and prefecture share a name"},
      {"兵庫県", "Kobe", "a prefecture names its capital, not Akashi"},
      {"Hyogo", "Kobe", "the same in romaji"},
      {"さいたま市", "Saitama", "a capital in kana"},
      {"Mito", "Mito", "a capital unlike its prefecture"},
      {"茨城", "Mito", "that prefecture without 県"},
      {"明石", "Akashi", "Akashi"},
      {"akashi", "Akashi", "Akashi in romaji"},
      {"  Naha\t", "Naha", "surrounding blanks"},
      {"Osaka-shi", nullptr, "a romaji suffix is not a name"},
      {"Springfield", nullptr, "unknown"},
      {"市", nullptr, "a suffix alone"},
      {"", nullptr, "empty"},
  };
  for (const auto& c : cases) {
    const Place* p = find_place(c.name);
    if (c.city == nullptr) {
      EXPECT_EQ(p, nullptr) << c.why << ": " << c.name;
    } else {
      ASSERT_NE(p, nullptr) << c.why << ": " << c.name;
      EXPECT_STREQ(p->city_romaji, c.city) << c.why << ": " << c.name;
    }
  }
}

TEST(Places, EachCapitalFoundByEachOfItsNames) {
  const std::span<const Place> all = places();
  for (const Place& p : all.first(47)) {
    for (const char* name : {p.city_ja, p.prefecture_ja, p.city_romaji, p.prefecture_romaji}) {
      EXPECT_EQ(find_place(name), &p) << name;
    }
  }
}

TEST(Places, Labels) {
  const struct {
    const char* name;
    const char* label;
  } cases[] = {
      {"Sapporo", "札幌（北海道）"},
      {"Tokyo", "東京（東京都）"},
      {"Akashi", "明石（兵庫県）"},
      {"Tsu", "津（三重県）"},
  };
  for (const auto& c : cases) {
    const Place* p = find_place(c.name);
    ASSERT_NE(p, nullptr) << c.name;
    EXPECT_EQ(place_label(*p), c.label);
  }
}

}  // namespace
}  // namespace hz

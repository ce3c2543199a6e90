// SPDX-License-Identifier: GPL-3.0-or-later
// The places of the 観測地 list: the 47 prefectural capitals (the prefectural
// offices' positions) and Akashi, on the meridian of Japan Standard Time.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace hz {

struct Place {
  const char* city_ja;            // 札幌市
  const char* prefecture_ja;      // 北海道
  const char* city_romaji;        // Sapporo
  const char* prefecture_romaji;  // Hokkaido
  double lon_deg, lat_deg;        // east, north, to 0.01 degree
};

// The 47 capitals in the order of the prefectures' codes (北海道 first, 沖縄県
// last), then 明石.
std::span<const Place> places();

// A place by city or prefecture, kanji or romaji, case-insensitive, with or
// without 市/都/道/府/県 ("札幌", "札幌市", "北海道", "sapporo", "HOKKAIDO",
// "Tokyo", "東京都", "明石", "akashi"); nullptr when unknown.
const Place* find_place(std::string_view name);

// The drop-down's text: 「札幌（北海道）」, 「東京（東京都）」, 「明石（兵庫県）」.
std::string place_label(const Place& p);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// Colours of the science lesson's pictures of the sky: the reference lines,
// the Milky Way, the star names and the asterisms. Each unlike every other
// colour of the frame and of the constellations, the Moon's above all: the
// Moon's fill reads colours back and stops at col_moon.
#pragma once

#include "common/constants.hpp"

namespace hz {

constexpr Rgb col_equator = rgb(216, 96, 96);           // 天の赤道
constexpr Rgb col_ecliptic = rgb(216, 176, 64);         // 黄道, 春分点 and 秋分点
constexpr Rgb col_meridian = rgb(96, 192, 112);         // 子午線
constexpr Rgb col_equatorial_grid = rgb(40, 104, 112);  // 赤経・赤緯線
constexpr Rgb col_grid_label = rgb(104, 168, 176);      // ... its hours and degrees
constexpr Rgb col_star_label = rgb(176, 200, 255);      // 星の名前
constexpr Rgb col_asterism = rgb(240, 144, 64);         // 星の並び, lines and names

// The Milky Way's brightness levels, faintest first: a little lighter than
// the night sky (col_night), each a step more.
constexpr Rgb col_milky_way[5] = {rgb(14, 18, 106), rgb(24, 28, 115), rgb(34, 38, 124),
                                  rgb(46, 50, 134), rgb(58, 62, 144)};

namespace detail {
constexpr Rgb picture_colours[] = {
    col_equator,      col_ecliptic,     col_meridian,     col_equatorial_grid,
    col_grid_label,   col_star_label,   col_asterism,     col_milky_way[0],
    col_milky_way[1], col_milky_way[2], col_milky_way[3], col_milky_way[4],
    col_figure,       col_name,         col_boundary,     col_mark};
constexpr bool picture_colours_apart() {
  constexpr int n = sizeof(picture_colours) / sizeof(picture_colours[0]);
  for (int i = 0; i < n; ++i) {
    if (!unlike_the_frame(picture_colours[i])) return false;
    for (int j = i + 1; j < n; ++j)
      if (picture_colours[i] == picture_colours[j]) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::picture_colours_apart());

}  // namespace hz

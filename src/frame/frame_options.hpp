// SPDX-License-Identifier: GPL-3.0-or-later
// The display options of a frame, read afresh every frame as one value: from
// the window's option buttons and check boxes, or from hoshizora-render's
// switches. Everything off is the sky as it always was.
#pragma once

#include <optional>

#include "frame/time_step.hpp"

namespace hz {

// What 天体を探す found, ringed on the sky (find_mark.hpp).
struct MarkedTarget {
  // A constellation (index into constellations, ringed at its label point),
  // else an object of the table (1..311, an extended star from
  // first_extended on).
  bool constellation = false;
  int index = 0;
  bool operator==(const MarkedTarget&) const = default;
};

// 動きを描く: a body's places at the same clock time on successive days.
struct BodyPath {
  int object = 0;  // the body's row of the object table, 301..311 (not the Earth)
  int days = 1;    // how many places, one a day
  // Each day's place where it stands in the sky at that clock time (the
  // analemma), rather than among the stars of the frame on screen.
  bool horizon = false;
  // The first place's moment, centuries from J2000.0 and hours UT; none: the
  // start moment.
  std::optional<double> from_t2000, from_ut;
  bool operator==(const BodyPath&) const = default;
};

struct FrameOptions {
  bool grid = false;                      // 等高度・方位線: draw the altitude-azimuth grid
  bool stars_by_day = false;              // 昼間の星: stars and planets by day as well
  bool constellation_lines = false;       // 星座線: the figures
  bool constellation_names = false;       // 星座名: Japanese names at the label points
  bool constellation_boundaries = false;  // 星座の境界: the IAU boundaries
  // Stars to this magnitude, from the extended table as well (6等星まで is
  // 6.0); none: the built-in 300 only.
  std::optional<double> magnitude_limit;
  // The science lesson's pictures, beneath the stars and hidden by day as
  // they are (reference_lines.hpp, milky_way_layer.hpp, star_labels_layer.hpp).
  bool equator = false;          // 天の赤道
  bool ecliptic = false;         // 黄道, with 春分点 and 秋分点
  bool meridian = false;         // 子午線
  bool equatorial_grid = false;  // 赤経・赤緯線, labelled
  bool milky_way = false;        // 天の川
  bool star_names = false;       // 星の名前
  bool asterisms = false;        // 星の並び
  // Magnification, 1..16: the field shows 90 / zoom degrees around the line
  // of sight in the same disc (view_zoom.hpp).
  double zoom = 1;
  // How far the clock moves with each frame.
  TimeStep step;
  // The object found last, ringed until the view changes; none: no ring.
  std::optional<MarkedTarget> marked;
  // 軌跡: every star and body leaves its trail while the sky runs.
  bool trails = false;
  // 動きを描く: the path of a body, drawn among the stars.
  std::optional<BodyPath> path;
  // Device pixels per logical pixel the frame is drawn at (1, 1.25, 1.5, 2
  // or 3: the screen's, or --pixel-ratio). Everything read from a frame, its
  // table, hover, drag, zoom and find, stays in logical pixels.
  double pixel_ratio = 1;

  // Whether anything of the constellations is drawn.
  bool any_constellation() const {
    return constellation_lines || constellation_names || constellation_boundaries;
  }
  bool operator==(const FrameOptions&) const = default;
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame computed, object by object: the content of the renderer's
// object table, and what tests look at.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "common/constants.hpp"
#include "common/object_layout.hpp"
#include "frame/caption.hpp"
#include "frame/frame_options.hpp"
#include "frame/path_place.hpp"
#include "render/sky_rotation.hpp"
#include "render/surface.hpp"

namespace hz {

struct ObjectRow {
  std::optional<double> ra_h, dec_deg;  // object table, hours and degrees
  std::optional<double> alt, az;        // horizon coordinates, radians
  std::optional<double> d, xp, yp;      // projection, only for objects above the horizon
  bool drawn = false;                   // a dot or mark was drawn
};

// A star of the extended table in a frame.
struct ExtendedRow {
  double ra_h = 0, dec_deg = 0;     // of the stars' epoch, hours and degrees
  Vec3 horizon{0, 0, 0};            // east, north, zenith (alt_az_of gives altitude and azimuth)
  std::optional<double> d, xp, yp;  // projection, only above the horizon
  bool drawn = false;
};

struct FrameReport;

// Row i of a frame's object table, the extended stars' (from first_extended
// on) in the same form; an empty row for an index the frame does not have.
ObjectRow object_row(const FrameReport& frame, int i);

struct FrameReport {
  double t2000 = 0;   // the frame's moment, Julian centuries from J2000.0
  double tjt = 0;     // its day number
  double ut_now = 0;  // its time of day, hours UT, before normalisation
  int is_day = 0;
  double view_alt = 90, view_az = 180;  // degrees, as used
  FrameOptions options;                 // as read for this frame
  Rgb sky = col_night;
  CaptionLines caption;
  std::array<ObjectRow, object_table_size> objects{};
  double lat_obs = 0, lon_obs = 0;  // the place, radians
  double stars_epoch = 0;           // the stars' epoch, Julian centuries from J2000.0
  // Every row of the extended table, row k at extended[k - 1], when the frame
  // has a magnitude limit; empty otherwise.
  std::vector<ExtendedRow> extended;
  // The constellations (indices of constellations) whose names were drawn.
  std::vector<int> names_drawn;
  // Where the ring of 天体を探す was drawn (its centre), if it was.
  std::optional<Point> mark;
  // The places of 動きを描く's path, as drawn; empty without one.
  std::vector<PathPlace> path;
};

}  // namespace hz

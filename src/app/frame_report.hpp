// What one frame computed, object by object: the content of the renderer's
// object table, and what tests look at.
#pragma once

#include <array>
#include <optional>

#include "app/caption.hpp"
#include "common/constants.hpp"

namespace hz {

// Object indices: stars 1..300, the Sun 301, the planets 302..310 (304 the
// Earth), the Moon 311; index 0 holds nothing.
constexpr int first_star = 1;
constexpr int last_star = 300;
constexpr int sun_index = 301;
constexpr int earth_index = 304;
constexpr int moon_index = 311;
constexpr int object_table_size = 312;

struct ObjectRow {
  std::optional<double> ra_h, dec_deg;  // object table, hours and degrees
  std::optional<double> alt, az;        // horizon coordinates, radians
  std::optional<double> d, xp, yp;      // projection, only for objects above the horizon
  bool drawn = false;                   // a dot or mark was drawn
};

struct FrameReport {
  double t2000 = 0;   // the frame's moment, Julian centuries from J2000.0
  double tjt = 0;     // its day number
  double ut_now = 0;  // its time of day, hours UT, before normalisation
  int is_day = 0;
  double view_alt = 90, view_az = 180;  // degrees, as used
  bool grid_on = false, stars_by_day = false;
  Rgb sky = col_night;
  CaptionLines caption;
  std::array<ObjectRow, object_table_size> objects{};
};

}  // namespace hz

// What one frame computed, object by object: the content of the renderer's
// object table, and what tests look at.
#pragma once

#include <array>
#include <optional>

#include "common/constants.hpp"
#include "common/object_layout.hpp"
#include "frame/caption.hpp"
#include "frame/frame_options.hpp"

namespace hz {

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
  FrameOptions options;                 // as read for this frame
  Rgb sky = col_night;
  CaptionLines caption;
  std::array<ObjectRow, object_table_size> objects{};
};

}  // namespace hz

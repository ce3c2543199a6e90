// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/chart_title.hpp"

#include <cmath>

#include "text/dms.hpp"
#include "text/number_format.hpp"

namespace hz {

namespace {

// "北緯 35°41′": whole degrees and minutes, the minutes rounded.
std::string angle_text(double radians, const char* positive, const char* negative) {
  double deg = radians / rd;
  const auto parts = dms(deg, "min", 0);
  if (!parts) return "";
  return std::string(parts->sgn == '-' ? negative : positive) + ' ' +
         format_number(parts->deg, "0") + "°" + format_number(parts->min, "00") + "′";
}

}  // namespace

std::string chart_title(const FrameReport& frame, std::string_view place_name) {
  std::string title;
  if (!place_name.empty()) title = std::string(place_name) + "　";
  title += angle_text(frame.lat_obs, "北緯", "南緯") + ' ' +
           angle_text(frame.lon_obs, "東経", "西経") + " の星空";
  if (!frame.caption.date.empty()) {
    title += "　" + frame.caption.date + ' ' + frame.caption.time;
  }
  return title;
}

}  // namespace hz

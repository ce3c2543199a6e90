// SPDX-License-Identifier: GPL-3.0-or-later
// 天体を探す: turning the view toward an object found by name, or saying why
// it cannot be.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/frame_report.hpp"
#include "steer/grab_view.hpp"
#include "steer/sky_target.hpp"

namespace hz {

// Where a target stands in a frame, and when it rises if it is below the
// horizon.
struct TargetView {
  HorizonDirection direction;    // altitude and azimuth, degrees
  bool below_horizon = false;    // altitude below 0
  std::optional<double> rising;  // below: the next rising, centuries from J2000.0
};
TargetView view_toward(const SkyTarget& target, const FrameReport& frame);

// What looking for a name in the frame on screen comes to: a line of sight
// to write into the view fields, or a message for the user (Japanese) and no
// line of sight.
struct FindResult {
  std::optional<HorizonDirection> view;
  std::optional<MarkedTarget> mark;  // what to ring, with the view
  std::string message_ja;            // empty when the view turns
};
// on_screen: the frame on screen, none before Start.
FindResult find_view(std::string_view name, const FrameReport* on_screen);

// The find box's completion list: 「木星 (Jupiter)」, or the one name when an
// object has one, each text once.
std::vector<std::string> target_labels();

// The name to look up from the find box's text: 「木星 (Jupiter)」 gives 木星,
// anything else itself, trimmed.
std::string target_name_of(std::string_view text);

}  // namespace hz

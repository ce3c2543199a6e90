// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/sky_target.hpp"

namespace hz {

const std::vector<SkyTarget>& sky_targets() {
  static const std::vector<SkyTarget> none;
  return none;
}

std::optional<SkyTarget> find_target(std::string_view) { return std::nullopt; }

Horizontal target_direction(const SkyTarget&, const FrameReport&) { return {90, 180}; }

std::optional<double> next_rising(const SkyTarget&, const FrameReport&) { return std::nullopt; }

std::string below_horizon_text(std::optional<double>) { return "地平線の下です"; }

}  // namespace hz

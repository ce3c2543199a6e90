// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/find_view.hpp"

namespace hz {

TargetView view_toward(const SkyTarget& target, const FrameReport& frame) {
  TargetView v;
  v.direction = target_direction(target, frame);
  v.below_horizon = v.direction.alt_deg < 0;
  if (v.below_horizon) v.rising = next_rising(target, frame);
  return v;
}

FindResult find_view(std::string_view name, const FrameReport* on_screen) {
  if (!on_screen) return {std::nullopt, std::nullopt, "開始してから探せます"};
  const std::optional<SkyTarget> target = find_target(name);
  if (!target) return {std::nullopt, std::nullopt, "見つかりません"};
  const TargetView v = view_toward(*target, *on_screen);
  if (v.below_horizon) return {std::nullopt, std::nullopt, below_horizon_text(v.rising)};
  return {v.direction, mark_of(*target), ""};
}

}  // namespace hz

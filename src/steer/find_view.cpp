// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/find_view.hpp"

#include <algorithm>

#include "common/name_text.hpp"

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

std::vector<std::string> target_labels() {
  std::vector<std::string> labels;
  for (const SkyTarget& t : sky_targets()) {
    std::string label = t.name_ja.empty()   ? t.name_en
                        : t.name_en.empty() ? t.name_ja
                                            : t.name_ja + " (" + t.name_en + ")";
    if (std::find(labels.begin(), labels.end(), label) == labels.end())
      labels.push_back(std::move(label));
  }
  return labels;
}

std::string target_name_of(std::string_view text) {
  const std::string_view t = trim_blanks(text);
  // The name before the first parenthesis that opens a non-empty last pair.
  if (t.size() >= 4 && t.back() == ')') {
    for (std::size_t p = 1; p + 2 < t.size(); ++p) {
      if (t[p] != '(') continue;
      const std::string_view name = trim_blanks(t.substr(0, p));
      if (!name.empty()) return std::string(name);
    }
  }
  return std::string(t);
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/path_target.hpp"

#include "frame/body_path.hpp"
#include "steer/identify.hpp"
#include "text/object_names.hpp"

namespace hz {

std::optional<int> path_target(const FrameReport& frame, const StarTables& stars, double x,
                               double y) {
  if (const auto i = object_at(frame, stars, x, y); i && has_path(*i)) return i;
  const auto& found = frame.options.marked;
  if (found && !found->constellation && has_path(found->index)) return found->index;
  return std::nullopt;
}

BodyPath path_from(const FrameReport& frame, int object) {
  BodyPath path;
  path.object = object;
  path.days = object == moon_index                                 ? 30
              : object == sun_index + 1                            ? 120
              : object == sun_index + 2 || object == sun_index + 4 ? 240
                                                                   : 365;
  path.from_t2000 = frame.t2000;
  path.from_ut = frame.ut_now;
  return path;
}

std::string path_action_text(int object) {
  return "動きを描く（" + object_name(object).japanese + "）";
}

}  // namespace hz

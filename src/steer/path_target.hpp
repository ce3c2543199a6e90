// SPDX-License-Identifier: GPL-3.0-or-later
// 動きを描く: which body a path is drawn for, and the path itself.
#pragma once

#include <optional>
#include <string>

#include "frame/frame_options.hpp"
#include "frame/frame_report.hpp"
#include "frame/star_field.hpp"

namespace hz {

// The body drawn at (x, y) of the frame, else the body last found (ringed);
// nothing when neither is a body with a path (a star, the Earth).
std::optional<int> path_target(const FrameReport& frame, const StarTables& stars, double x,
                               double y);

// The path of a body from the frame's moment over the days that show its
// motion best: a month for the Moon, four months for Mercury, eight for
// Venus and Mars (a loop), a year for the Sun (the zodiac) and the others.
BodyPath path_from(const FrameReport& frame, int object);

// The menu's item: 「動きを描く（火星）」.
std::string path_action_text(int object);

}  // namespace hz

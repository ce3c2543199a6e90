// SPDX-License-Identifier: GPL-3.0-or-later
// What the Sun's and the Moon's hover tips say of their day.
#pragma once

#include <string>

#include "frame/frame_report.hpp"

namespace hz {

// The almanac lines of object i's tip, for the JST date of the frame's moment
// at the frame's place: for the Sun 「日の出 06:48  日の入 16:58」, for the
// Moon 「月の出 --:--  月の入 10:33」 and 「月齢 22.0」, each line after a
// '\n'; times to the minute, 「--:--」 for an event the day lacks. Empty for
// any other object, and where the calendar gives up.
std::string almanac_tip(const FrameReport& frame, int i);

}  // namespace hz

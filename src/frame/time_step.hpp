// SPDX-License-Identifier: GPL-3.0-or-later
// How far the simulated clock moves with each frame, and the choices offered
// for it: the window's drop-down and hoshizora-render's --step.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace hz {

// The simulated time one frame moves the clock on by.
struct TimeStep {
  std::int64_t millis = 60'000;  // 10 s, 1 min (the standard), 10 min, 1 h, 1 d, 1 sidereal day
  bool backward = false;         // 逆向き
  // 実時間: each frame moves the clock by the real time since the frame
  // before, as the front end's steady clock tells it; millis (a second) is
  // then only what ◀ 戻す and 進む ▶ move by.
  bool real_time = false;
  bool operator==(const TimeStep&) const = default;
};

// One entry of the drop-down: its Japanese label, the --step text, the length.
struct TimeStepChoice {
  const char* label_ja;
  const char* key;
  std::int64_t millis;
  bool real_time = false;
};

// The choices in the drop-down's order, from 10 s to one sidereal day
// (23 h 56 m 4.09 s: the stars stand still), then 実時間.
std::span<const TimeStepChoice> time_step_choices();

// "--step" text: "10s", "1m", "10m", "1h", "1d", "1sd", with an optional
// leading '-' for backward; nothing when the text is none of them.
std::optional<TimeStep> parse_time_step(std::string_view text);

// The step's length in hours of simulated time, negative when backward (for
// 実時間, the second that ◀ and ▶ move by).
double step_hours(const TimeStep& step);

// Whether the frames move on by less than a minute, so that the moment on
// screen is worth telling to the second (10 s, 実時間).
bool shows_seconds(const TimeStep& step);

}  // namespace hz

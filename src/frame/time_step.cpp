// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/time_step.hpp"

#include <array>

namespace hz {
namespace {

constexpr std::array<TimeStepChoice, 7> choices = {{
    {"10 秒", "10s", 10'000},
    {"1 分", "1m", 60'000},
    {"10 分", "10m", 600'000},
    {"1 時間", "1h", 3'600'000},
    {"1 日", "1d", 86'400'000},
    {"1 恒星日", "1sd", 86'164'090},
    {"実時間", "real", 1'000, true},
}};

}  // namespace

std::span<const TimeStepChoice> time_step_choices() { return choices; }

std::optional<TimeStep> parse_time_step(std::string_view text) {
  TimeStep step;
  if (!text.empty() && text.front() == '-') {
    step.backward = true;
    text.remove_prefix(1);
  }
  for (const TimeStepChoice& c : choices) {
    if (text == c.key) {
      step.millis = c.millis;
      step.real_time = c.real_time;
      return step;
    }
  }
  return std::nullopt;
}

bool shows_seconds(const TimeStep& step) { return step.real_time || step.millis < 60'000; }

double step_hours(const TimeStep& step) {
  const double h = static_cast<double>(step.millis) / 3'600'000.0;
  return step.backward ? -h : h;
}

}  // namespace hz

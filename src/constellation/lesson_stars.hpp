// SPDX-License-Identifier: GPL-3.0-or-later
// The stars a science lesson names, and the shapes (asterisms) it draws
// between them: 夏の大三角, 北斗七星 and the rest. Every star is one of the
// built-in 300, named by its designation in star_names.
#pragma once

#include <span>
#include <string_view>

namespace hz {

// A labelled star: its designation ("alp CMa") and the name written beside
// it ("シリウス"). Every star brighter than magnitude 1.5 that has a proper
// name, and the few fainter ones the lessons name (北極星, カストル, デネボラ).
struct LessonStar {
  std::string_view designation;
  const char* japanese;
};
std::span<const LessonStar> lesson_stars();

// An asterism: its Japanese name and its line through the stars' designations
// in order (a closed figure repeats its first star).
struct Asterism {
  const char* japanese;
  std::span<const std::string_view> path;
};
std::span<const Asterism> asterisms();

// The row (1..300) of the built-in star of a designation; 0 when none has it.
int builtin_row_of(std::string_view designation);

}  // namespace hz

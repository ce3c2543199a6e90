// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a frame packed for the page: numbers in one array the page
// reads in place, each string sent once and then named by its number. Made
// so because handing the page a few hundred text objects a frame, a
// property at a time, took a millisecond.
#pragma once

#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "render/memory_surface.hpp"

namespace hz::web {

class TextRuns {
 public:
  // The texts of a surface as [generation, then x, y, colour (an Rgb: red
  // + 256 green + 65536 blue), string number for each text]; valid until the
  // next call. The numbers
  // start afresh, with a new generation, when the table grows past
  // max_strings (the caption's moments would fill it over a long night).
  std::span<const double> pack(const std::vector<SurfaceText>& texts);
  // The string of a number of the current generation; "" for none.
  const std::string& string(int number) const;

  static constexpr std::size_t max_strings = 4096;

 private:
  int number_of(const std::string& s);

  std::vector<double> packed_;
  std::vector<std::string> strings_;
  std::unordered_map<std::string, int> numbers_;
  double generation_ = 0;
};

}  // namespace hz::web

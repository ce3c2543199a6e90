// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/text_runs.hpp"

namespace hz::web {

std::span<const double> TextRuns::pack(const std::vector<SurfaceText>& texts) {
  if (strings_.size() + texts.size() > max_strings) {
    strings_.clear();
    numbers_.clear();
    ++generation_;
  }
  packed_.clear();
  packed_.push_back(generation_);
  for (const SurfaceText& t : texts) {
    packed_.push_back(t.x);
    packed_.push_back(t.y);
    packed_.push_back(static_cast<double>(t.colour));
    packed_.push_back(number_of(t.utf8));
  }
  return packed_;
}

int TextRuns::number_of(const std::string& s) {
  const auto [it, added] = numbers_.try_emplace(s, static_cast<int>(strings_.size()));
  if (added) strings_.push_back(s);
  return it->second;
}

const std::string& TextRuns::string(int number) const {
  static const std::string none;
  if (number < 0 || static_cast<std::size_t>(number) >= strings_.size()) return none;
  return strings_[static_cast<std::size_t>(number)];
}

}  // namespace hz::web

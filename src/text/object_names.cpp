// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/object_names.hpp"

#include <iterator>

#include "catalog/star_table.hpp"
#include "common/object_layout.hpp"
#include "constellation/extended_stars.hpp"

namespace hz {
namespace {

struct BodyName {
  const char* english;
  const char* japanese;
};

// By k_pl (0 the Sun .. 9 Pluto), then the Moon.
constexpr BodyName kBodies[] = {
    {"Sun", "太陽"},       {"Mercury", "水星"}, {"Venus", "金星"},  {"Earth", "地球"},
    {"Mars", "火星"},      {"Jupiter", "木星"}, {"Saturn", "土星"}, {"Uranus", "天王星"},
    {"Neptune", "海王星"}, {"Pluto", "冥王星"}, {"Moon", "月"},
};
static_assert(std::size(kBodies) == moon_index - sun_index + 1);

}  // namespace

ObjectName object_name(int i) {
  if (i >= first_star && i <= last_star) {
    const StarName& s = star_names[static_cast<std::size_t>(i - 1)];
    return {s.designation, s.proper, s.japanese};
  }
  if (i >= sun_index && i <= moon_index) {
    const BodyName& b = kBodies[i - sun_index];
    return {"", b.english, b.japanese};
  }
  if (i >= first_extended && i < first_extended + extended_star_count) {
    const StarName s = extended_star_name(i - moon_index);
    return {s.designation, s.proper, s.japanese};
  }
  return {};
}

std::string table_name(int i) {
  const ObjectName n = object_name(i);
  if (n.designation.empty()) return n.english;
  if (n.english.empty()) return n.designation;
  return n.designation + " " + n.english;
}

}  // namespace hz

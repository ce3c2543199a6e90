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

// The Bayer letters by their abbreviations.
struct BayerLetter {
  std::string_view abbreviation;
  const char* greek;
};
constexpr BayerLetter kBayer[] = {
    {"alp", "α"}, {"bet", "β"}, {"gam", "γ"}, {"del", "δ"}, {"eps", "ε"}, {"zet", "ζ"},
    {"eta", "η"}, {"the", "θ"}, {"iot", "ι"}, {"kap", "κ"}, {"lam", "λ"}, {"mu", "μ"},
    {"nu", "ν"},  {"xi", "ξ"},  {"omi", "ο"}, {"pi", "π"},  {"rho", "ρ"}, {"sig", "σ"},
    {"tau", "τ"}, {"ups", "υ"}, {"phi", "φ"}, {"chi", "χ"}, {"psi", "ψ"}, {"ome", "ω"},
};
constexpr const char* kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string greek_designation(std::string_view designation) {
  std::size_t n = 0;
  while (n < designation.size() && designation[n] >= 'a' && designation[n] <= 'z') ++n;
  const std::string_view letters = designation.substr(0, n);
  const BayerLetter* bayer = nullptr;
  for (const BayerLetter& b : kBayer) {
    if (b.abbreviation == letters) bayer = &b;
  }
  if (!bayer) return std::string(designation);
  // The number: straight after the letters, or after the space that pads a
  // two-letter abbreviation ("pi 3Ori").
  std::size_t at = n;
  if (at + 1 < designation.size() && designation[at] == ' ' && is_digit(designation[at + 1])) ++at;
  std::string out = bayer->greek;
  const std::size_t digits = at;
  while (at < designation.size() && is_digit(designation[at]))
    out += kSuperscripts[designation[at++] - '0'];
  if (at == digits) at = n;  // no number: the space, if any, stays
  std::string_view rest = designation.substr(at);
  if (!rest.empty() && rest.front() != ' ') out += ' ';
  return out += rest;
}

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

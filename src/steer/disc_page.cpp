// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/disc_page.hpp"

#include <algorithm>
#include <cmath>

#include "almanac/disc_look.hpp"
#include "steer/disc_picture.hpp"
#include "text/decimal_text.hpp"
#include "text/object_names.hpp"

namespace hz {
namespace {

// The Moon drawn at a thirtieth of the planets' scale: some 60 pixels.
constexpr double moon_shrink = 30;

std::string side_text(const DiscLook& look) {
  return std::string(look.east_of_sun ? "太陽の東 " : "太陽の西 ") +
         fixed_text(look.elongation, 1) + "°";
}

std::string diameter_text(AlmanacBody b, const DiscLook& look) {
  if (b == AlmanacBody::moon) return fixed_text(look.diameter / 60, 1) + "′";
  return fixed_text(look.diameter, 1) + "″";
}

}  // namespace

std::string disc_html(double t2000) {
  std::string h =
      "<p>望遠鏡で見た姿（画面の時刻。惑星は 1″ を 1 画素に、月はその 1/30 で）</p>"
      "<table cellspacing=\"0\" cellpadding=\"2\"><tr><th></th><th></th><th>輝面比</th>"
      "<th>位相角</th><th>視直径</th><th>離角</th></tr>";
  for (AlmanacBody b : disc_bodies) {
    const auto look = disc_look(b, t2000);
    if (!look) continue;
    const double across = b == AlmanacBody::moon ? look->diameter / moon_shrink : look->diameter;
    const int size = std::max(3, static_cast<int>(std::nearbyint(across)));
    const std::string px = std::to_string(size);
    std::string name = object_name(almanac_body_object(b)).japanese;
    if (const char* star = evening_or_morning_star(b, *look)) name += std::string("<br>") + star;
    h += "<tr><td align=\"center\"><img src=\"" + disc_picture(*look, size) + "\" width=\"" + px +
         "\" height=\"" + px + "\" alt=\"\"></td><td>" + name + "</td><td>" +
         fixed_text(look->lit_fraction, 2) + "</td><td>" + fixed_text(look->phase_angle, 0) +
         "°</td><td>" + diameter_text(b, *look) + "</td><td>" + side_text(*look) + "</td></tr>";
  }
  return h + "</table>";
}

std::string disc_tip(int object, double t2000) {
  const auto b = almanac_body_at(object);
  const auto look = b ? disc_look(*b, t2000) : std::nullopt;
  if (!look) return {};
  std::string out = "\n輝面比 " + fixed_text(look->lit_fraction, 2) + "  位相角 " +
                    fixed_text(look->phase_angle, 0) + "°  視直径 " + diameter_text(*b, *look);
  out += '\n';
  if (const char* star = evening_or_morning_star(*b, *look)) (out += star) += "  ";
  return out + side_text(*look);
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/sky_controls.hpp"

#include <algorithm>
#include <cmath>

#include "frame/time_step.hpp"
#include "steer/view_steps.hpp"
#include "text/decimal_text.hpp"

namespace hz {

std::optional<SkySwitch> sky_switch_named(std::string_view name) {
  struct Named {
    std::string_view name;
    SkySwitch s;
  };
  static constexpr Named table[] = {
      {"grid", SkySwitch::grid},
      {"starsByDay", SkySwitch::stars_by_day},
      {"lines", SkySwitch::lines},
      {"names", SkySwitch::names},
      {"boundaries", SkySwitch::boundaries},
      {"faintStars", SkySwitch::faint_stars},
      {"equator", SkySwitch::equator},
      {"ecliptic", SkySwitch::ecliptic},
      {"meridian", SkySwitch::meridian},
      {"equatorialGrid", SkySwitch::equatorial_grid},
      {"milkyWay", SkySwitch::milky_way},
      {"starNames", SkySwitch::star_names},
      {"asterisms", SkySwitch::asterisms},
      {"trails", SkySwitch::trails},
  };
  for (const Named& n : table)
    if (n.name == name) return n.s;
  return std::nullopt;
}

bool& SkyControls::at(SkySwitch s) {
  switch (s) {
    case SkySwitch::grid:
      return grid;
    case SkySwitch::stars_by_day:
      return stars_by_day;
    case SkySwitch::lines:
      return lines;
    case SkySwitch::names:
      return names;
    case SkySwitch::boundaries:
      return boundaries;
    case SkySwitch::equator:
      return equator;
    case SkySwitch::ecliptic:
      return ecliptic;
    case SkySwitch::meridian:
      return meridian;
    case SkySwitch::equatorial_grid:
      return equatorial_grid;
    case SkySwitch::milky_way:
      return milky_way;
    case SkySwitch::star_names:
      return star_names;
    case SkySwitch::asterisms:
      return asterisms;
    case SkySwitch::trails:
      return trails;
    case SkySwitch::faint_stars:
      break;
  }
  return faint_stars;
}

FrameOptions SkyControls::options() const {
  FrameOptions o;
  o.grid = grid;
  o.stars_by_day = stars_by_day;
  o.constellation_lines = lines;
  o.constellation_names = names;
  o.constellation_boundaries = boundaries;
  if (faint_stars) o.magnitude_limit = faint_star_limit;
  o.equator = equator;
  o.ecliptic = ecliptic;
  o.meridian = meridian;
  o.equatorial_grid = equatorial_grid;
  o.milky_way = milky_way;
  o.star_names = star_names;
  o.asterisms = asterisms;
  o.trails = trails;
  o.zoom = zoom_of_level(zoom_level);
  o.step = step_of_choice(step_choice, backward);
  return o;
}

std::size_t SkyControls::standard_step_choice() {
  const auto choices = time_step_choices();
  const TimeStep standard;
  for (std::size_t i = 0; i < choices.size(); ++i)
    if (!choices[i].real_time && choices[i].millis == standard.millis) return i;
  return 0;
}

int zoom_level_after(int level, int steps) { return std::clamp(level + steps, 0, zoom_level_max); }

std::string zoom_text(double zoom) {
  const bool whole = zoom == std::floor(zoom);
  return "拡大 " + fixed_text(zoom, whole ? 0 : 1) + "×";
}

TimeStep step_of_choice(std::size_t choice, bool backward) {
  const auto choices = time_step_choices();
  const TimeStepChoice& c = choices[std::min(choice, choices.size() - 1)];
  TimeStep step;
  step.millis = c.millis;
  step.real_time = c.real_time;
  step.backward = backward;
  return step;
}

std::optional<SkyKeyAction> sky_key(std::string_view key, bool shift, bool other_modifier) {
  if (other_modifier) return std::nullopt;
  SkyKeyAction a;
  if (!shift && (key == "c" || key == "C")) a.toggle = SkySwitch::lines;
  if (!shift && (key == "v" || key == "V")) a.toggle = SkySwitch::names;
  if (!shift && (key == "b" || key == "B")) a.toggle = SkySwitch::boundaries;
  if (!shift && (key == "e" || key == "E")) a.toggle = SkySwitch::equatorial_grid;
  if (!shift && key == ",") a.toggle = SkySwitch::ecliptic;
  if (!shift && key == ".") a.toggle = SkySwitch::equator;
  if (!shift && key == ";") a.toggle = SkySwitch::meridian;
  if (!shift && (key == "t" || key == "T")) a.toggle = SkySwitch::trails;
  if (a.toggle) return a;
  // + is Shift+; on a Japanese keyboard: Shift is allowed with + and -.
  if (key == "+" || key == "=") a.zoom_steps = 1;
  if (key == "-") a.zoom_steps = -1;
  if (a.zoom_steps != 0) return a;
  const double step = shift ? 1 : 5;
  if (key == "ArrowUp") a.d_alt = step;
  if (key == "ArrowDown") a.d_alt = -step;
  if (key == "ArrowRight") a.d_az = step;
  if (key == "ArrowLeft") a.d_az = -step;
  if (a.d_alt != 0 || a.d_az != 0) return a;
  return std::nullopt;
}

}  // namespace hz

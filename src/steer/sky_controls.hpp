// SPDX-License-Identifier: GPL-3.0-or-later
// The state of the sky's controls beside the text fields, as a front end
// without widgets of its own keeps it (the web page): the option buttons, the
// 表示 group, the zoom level and the clock's step. What each means for the
// frame is decided here, once for every front end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "frame/frame_options.hpp"

namespace hz {

// 6等星まで: the extended table ends at magnitude 6.
constexpr double faint_star_limit = 6.0;

// A switch of the controls, by the name the web page gives it.
enum class SkySwitch {
  grid,
  stars_by_day,
  lines,
  names,
  boundaries,
  faint_stars,
  // The science lesson's pictures.
  equator,
  ecliptic,
  meridian,
  equatorial_grid,
  milky_way,
  star_names,
  asterisms,
  trails,
};
std::optional<SkySwitch> sky_switch_named(std::string_view name);

struct SkyControls {
  bool grid = false;             // 等高度・方位線
  bool stars_by_day = false;     // 昼間の星
  bool lines = false;            // 星座線
  bool names = false;            // 星座名
  bool boundaries = false;       // 星座の境界
  bool faint_stars = false;      // 6等星まで
  bool equator = false;          // 天の赤道
  bool ecliptic = false;         // 黄道
  bool meridian = false;         // 子午線
  bool equatorial_grid = false;  // 赤経・赤緯線
  bool milky_way = false;        // 天の川
  bool star_names = false;       // 星の名前
  bool asterisms = false;        // 星の並び
  bool trails = false;           // 軌跡
  int zoom_level = 0;            // 0..zoom_level_max
  std::size_t step_choice = standard_step_choice();
  bool backward = false;  // 逆向き

  bool& at(SkySwitch s);
  // The frame options these controls give.
  FrameOptions options() const;
  // The index of the standard step (one minute) among time_step_choices().
  static std::size_t standard_step_choice();
};

// The zoom level after that many steps in (positive) or out, held to
// 0..zoom_level_max.
int zoom_level_after(int level, int steps);

// The zoom's read-out: 「拡大 1×」, 「拡大 1.4×」 (whole numbers as they are,
// others to a tenth).
std::string zoom_text(double zoom);

// The step of a choice of the drop-down (held to the choices), 逆向き or not.
TimeStep step_of_choice(std::size_t choice, bool backward);

// What a key does while the sky has the focus: C, V and B toggle the
// constellation lines, names and boundaries, E the equatorial grid, ","
// the ecliptic, "." the equator and ";" the meridian (as other planetariums
// have them), without Shift; + (also =) and - zoom in and out a level, the arrows
// turn the line of sight 5 degrees (1 with Shift), with or without Shift.
// Keys are named as the web's KeyboardEvent.key names them ("c", "+",
// "ArrowUp"); with Ctrl, Alt or another modifier a key does nothing here.
// T toggles the trails (軌跡), without Shift as well.
struct SkyKeyAction {
  std::optional<SkySwitch> toggle;
  int zoom_steps = 0;
  double d_alt = 0, d_az = 0;
};
std::optional<SkyKeyAction> sky_key(std::string_view key, bool shift, bool other_modifier);

}  // namespace hz

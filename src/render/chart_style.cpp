// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/chart_style.hpp"

#include <array>
#include <utility>

namespace hz {

namespace {

constexpr Rgb paper = rgb(255, 255, 255);
constexpr Rgb ink = rgb(0, 0, 0);

// Screen colours and what the print style writes them in. A star's colour
// (bright or dimmed) is not listed: every star is ink.
constexpr std::array<std::pair<Rgb, Rgb>, 13> print_colours = {{
    {col_night, paper},
    {col_day, paper},
    {col_grid, rgb(160, 160, 160)},
    {col_hor, rgb(96, 96, 96)},
    {col_text, ink},
    {col_sun, rgb(208, 128, 0)},
    {col_moon, rgb(176, 160, 0)},
    {col_mars, rgb(192, 80, 0)},
    {col_outer, rgb(24, 112, 88)},
    {col_figure, rgb(40, 64, 112)},
    {col_name, rgb(40, 40, 40)},
    {col_boundary, rgb(128, 128, 128)},
    {col_mark, rgb(208, 0, 0)},
}};

}  // namespace

std::optional<ChartStyle> chart_style_named(std::string_view name) {
  if (name == "screen") return ChartStyle::screen;
  if (name == "print") return ChartStyle::print;
  return std::nullopt;
}

std::optional<Paper> paper_named(std::string_view name) {
  if (name == "a4") return Paper::a4;
  if (name == "a3") return Paper::a3;
  if (name == "letter") return Paper::letter;
  return std::nullopt;
}

Rgb chart_colour(ChartStyle style, Rgb screen) {
  if (style == ChartStyle::screen) return screen;
  for (const auto& [from, to] : print_colours) {
    if (from == screen) return to;
  }
  return ink;
}

}  // namespace hz

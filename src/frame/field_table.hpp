// SPDX-License-Identifier: GPL-3.0-or-later
// The fields, one row each: what a field means and how the window,
// hoshizora-render and the refusal messages name it. Every front end reads
// its captions and start texts from here; which control shows a field is
// the front end's own business.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "frame/fields.hpp"

namespace hz {

struct FieldInfo {
  Field field;
  const char* caption_ja;    // the label naming it in the window; refusals quote it
  const char* name_en;       // what English refusals call it
  const char* option;        // hoshizora-render's option
  const char* value_name;    // the option's value in --help
  const char* help_en;       // --help text; a '\n' continues it on the next line
  const char* default_text;  // the text in the field at start
};

inline constexpr std::array<FieldInfo, 10> field_table = {{
    {Field::longitude, "観測地の経度", "longitude", "--longitude", "DEG",
     "observer's longitude, degrees east", " "},
    {Field::latitude, "観測地の緯度", "latitude", "--latitude", "DEG",
     "observer's latitude, degrees north", " "},
    {Field::year, "年", "year", "--year", "Y", "start year", ""},
    {Field::month, "月", "month", "--month", "M", "start month, 1 to 12", ""},
    {Field::day, "日", "day", "--day", "D", "start day of the month", ""},
    {Field::hour, "時", "hour", "--hour", "H", "start hour, Japan Standard Time", ""},
    {Field::minute, "分", "minute", "--minute", "MIN", "start minute", ""},
    {Field::view_altitude, "視線の高度", "view altitude", "--view-altitude", "DEG",
     "altitude of the line of sight", "90"},
    {Field::view_azimuth, "視線の方位", "view azimuth", "--view-azimuth", "DEG",
     "azimuth of the line of sight, degrees\nfrom north through east", "180"},
    {Field::frame_interval, "画面切換時間   （大きいと遅い）", "frame interval", "--interval", "N",
     "frame interval, hundredths of a second\n(no effect here beyond what a frame reads)", " 10"},
}};

constexpr const FieldInfo& field_info(Field f) {
  for (const FieldInfo& info : field_table) {
    if (info.field == f) return info;
  }
  return field_table[0];  // unreachable: every Field has a row
}

// The two display choices of the window's first row, each a "draw" or "do
// not draw" pair of buttons.
struct OptionGroupInfo {
  const char* caption_ja;  // the group's caption
  const char* option;      // hoshizora-render's switch
  const char* help_en;     // --help text
};

inline constexpr OptionGroupInfo grid_group = {"等高度・方位線", "--grid",
                                               "draw the altitude-azimuth grid"};
inline constexpr OptionGroupInfo day_stars_group = {"昼間の星", "--daytime-stars",
                                                    "draw stars and planets by day as well"};

// Every field with its start text.
FieldTexts default_field_texts();

// A field that holds something, yet reads as 0 because it does not begin with
// a number (「abc」, 「°35」): it is used as 0 all the same, and the front ends
// say so.
struct FieldReadAsZero {
  Field field;
  std::string message_ja;  // 「「観測地の経度」の欄が数として読めないため 0 とします」
  std::string message_en;  // "the longitude does not begin with a number: read as 0"
};

// Those of the fields as they are now, in the table's order.
std::vector<FieldReadAsZero> fields_read_as_zero(const FieldReader& fields);

// All of them told in one line, as the window shows it beside the fields:
// 「「観測地の経度」「年」の欄が数として読めないため 0 とします」, beyond four
// fields 「「観測地の経度」など 5 つの欄が…」; empty for none.
std::string read_as_zero_line_ja(const std::vector<FieldReadAsZero>& fields);

}  // namespace hz

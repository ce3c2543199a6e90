// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fields, one row each: what a field means and how the window,
// hoshizora-render and the refusal messages name it. Every front end reads
// its names and start texts from here.
#pragma once

#include <array>
#include <map>
#include <string>

#include "frame/fields.hpp"

namespace hz {

struct FieldInfo {
  Field field;
  const char* object_name;   // the window's text box
  const char* caption_ja;    // the label naming it in the window; refusals quote it
  const char* name_en;       // what English refusals call it
  const char* option;        // hoshizora-render's option
  const char* value_name;    // the option's value in --help
  const char* help_en;       // --help text; a '\n' continues it on the next line
  const char* default_text;  // the text in the field at start
};

inline constexpr std::array<FieldInfo, 10> field_table = {{
    {Field::Text1, "Text1", "観測地の経度", "longitude", "--longitude", "DEG",
     "observer's longitude, degrees east", " "},
    {Field::Text2, "Text2", "観測地の緯度", "latitude", "--latitude", "DEG",
     "observer's latitude, degrees north", " "},
    {Field::Text5, "Text5", "年", "year", "--year", "Y", "start year", ""},
    {Field::Text6, "Text6", "月", "month", "--month", "M", "start month, 1 to 12", ""},
    {Field::Text7, "Text7", "日", "day", "--day", "D", "start day of the month", ""},
    {Field::Text3, "Text3", "時", "hour", "--hour", "H", "start hour, Japan Standard Time", ""},
    {Field::Text4, "Text4", "分", "minute", "--minute", "MIN", "start minute", ""},
    {Field::Text8, "Text8", "視線の高度", "view altitude", "--view-altitude", "DEG",
     "altitude of the line of sight", "90"},
    {Field::Text9, "Text9", "視線の方位", "view azimuth", "--view-azimuth", "DEG",
     "azimuth of the line of sight, degrees\nfrom north through east", "180"},
    {Field::Text11, "Text11", "画面切換時間   （大きいと遅い）", "frame interval", "--interval",
     "N", "frame interval, hundredths of a second\n(no effect here beyond what a frame reads)",
     " 10"},
}};

constexpr const FieldInfo& field_info(Field f) {
  for (const FieldInfo& info : field_table) {
    if (info.field == f) return info;
  }
  return field_table[0];  // unreachable: every Field has a row
}

// The two option groups: a frame holding a "draw" and a "do not draw" button.
struct OptionGroupInfo {
  const char* frame_name;  // the window's frame
  const char* caption_ja;  // its caption
  const char* on_name;     // the button that asks for drawing ("描　く")
  const char* off_name;    // the button that asks for none ("描かない")
  const char* option;      // hoshizora-render's switch
  const char* help_en;     // --help text
};

inline constexpr OptionGroupInfo grid_group = {
    "Frame1", "等高度・方位線", "Option1", "Option2", "--grid", "draw the altitude-azimuth grid"};
inline constexpr OptionGroupInfo day_stars_group = {
    "Frame2",  "昼間の星",        "Option3",
    "Option4", "--daytime-stars", "draw stars and planets by day as well"};

// Every field with its start text.
std::map<Field, std::string> default_field_texts();

}  // namespace hz

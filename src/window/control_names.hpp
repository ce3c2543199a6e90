// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls by their object names, as laid out, bound to the
// core's fields and display choices. Only the window, its tools and its
// tests speak these names.
#pragma once

#include "frame/fields.hpp"

namespace hz {

// The text box that shows a field.
constexpr const char* text_box_name(Field f) {
  switch (f) {
    case Field::longitude:
      return "Text1";
    case Field::latitude:
      return "Text2";
    case Field::hour:
      return "Text3";
    case Field::minute:
      return "Text4";
    case Field::year:
      return "Text5";
    case Field::month:
      return "Text6";
    case Field::day:
      return "Text7";
    case Field::view_altitude:
      return "Text8";
    case Field::view_azimuth:
      return "Text9";
    case Field::frame_interval:
      return "Text11";
  }
  return "";
}

// A display choice's frame and its two option buttons.
struct OptionButtonNames {
  const char* frame;  // the frame holding the pair
  const char* on;     // 描　く
  const char* off;    // 描かない
};

inline constexpr OptionButtonNames grid_buttons = {"Frame1", "Option1", "Option2"};
inline constexpr OptionButtonNames day_stars_buttons = {"Frame2", "Option3", "Option4"};

}  // namespace hz

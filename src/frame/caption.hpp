// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "render/surface.hpp"

namespace hz {

// The two lines of the date and time caption, in Japan Standard Time.
struct CaptionLines {
  std::string date;  // e.g. "2026 年12 月7 日"
  std::string time;  // e.g. "08 時05 分 (JST)"
};

// Given:    t2000  the frame's moment, Julian centuries from J2000.0 (UT)
// Returned: the caption of that moment counted in JST (UT + jst_offset_hours).
// Notes:    a moment within 0.864 s before midnight already shows the next
//           date at 00:00; a time of day that rounds up to the full day shows
//           "24 時00 分" on the date of the ending day. Both lines are empty
//           for a moment beyond the calendar's reach (see centuries_to_date).
CaptionLines caption_lines(double t2000);

// The moment in JST to the second, for the panel beside a sky that moves by
// less than a minute a frame: "2027-01-16 03:35:20" (the seconds rounded,
// held within the day). Empty beyond the calendar's reach.
std::string seconds_text(double t2000);

// Prints the caption in col_text with its lines' top-left corners at
// (caption_x, text_line1_y) and (caption_x, text_line2_y).
void print_caption(Surface& pic, const CaptionLines& lines);

}  // namespace hz

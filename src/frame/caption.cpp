// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/caption.hpp"

#include <optional>

#include "common/constants.hpp"
#include "text/almanac_text.hpp"
#include "text/decimal_text.hpp"
#include "text/dms.hpp"
#include "text/number_format.hpp"
#include "time/calendar.hpp"

namespace hz {

CaptionLines caption_lines(double t2000) {
  const std::optional<DateAndTime> jst = centuries_to_jst_date(t2000);
  CaptionLines lines;
  if (!jst) return lines;  // no date to show rather than a made-up one

  const CalendarDate& d = jst->date;
  double hours = jst->ut;  // dms makes it its absolute value
  const auto hm = dms(hours, "min", 0);
  lines.date =
      format_number(d.yr, "#### 年") + format_number(d.mn, "## 月") + format_number(d.dy, "## 日");
  lines.time = format_number(hm->deg, "00 時") + format_number(hm->min, "00 分 (JST)");
  return lines;
}

std::string seconds_text(double t2000) {
  const std::optional<DateAndTime> jst = centuries_to_jst_date(t2000);
  if (!jst) return "";
  const CalendarDate& d = jst->date;
  return fixed_text(d.yr, 0, 4) + '-' + fixed_text(d.mn, 0, 2) + '-' + fixed_text(d.dy, 0, 2) +
         ' ' + clock_seconds_text(jst->ut);
}

void print_caption(Surface& pic, const CaptionLines& lines) {
  pic.set_fore_color(col_text);
  pic.set_current(caption_x, text_line1_y);
  pic.print(lines.date);
  pic.set_current(caption_x, text_line2_y);
  pic.print(lines.time);
}

}  // namespace hz

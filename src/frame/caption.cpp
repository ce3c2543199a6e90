#include "frame/caption.hpp"

#include "common/constants.hpp"
#include "frame/dms.hpp"
#include "frame/number_format.hpp"
#include "time/calendar.hpp"

namespace hz {

CaptionLines caption_lines(double t2000) {
  // The same moment counted in JST; 9 / 24 / 36525 as written, not a literal.
  double t_jst = t2000 + 9.0 / 24 / 36525;
  double yr = 0, mn = 0, dy = 0, hours = 0, tjt = 0;
  tujit(2, yr, mn, dy, hours, tjt, t_jst);
  tujit(3, yr, mn, dy, hours, tjt, t_jst);

  const auto hm = dms(hours, "min", 0);
  CaptionLines lines;
  lines.date =
      format_number(yr, "#### 年") + format_number(mn, "## 月") + format_number(dy, "## 日");
  lines.time = format_number(hm->deg, "00 時") + format_number(hm->min, "00 分 (JST)");
  return lines;
}

void print_caption(Surface& pic, const CaptionLines& lines) {
  pic.set_fore_color(col_text);
  pic.set_current(48, 22);
  pic.print(lines.date);
  pic.set_current(48, 42);
  pic.print(lines.time);
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/object_table.hpp"

#include <optional>
#include <string>

#include "frame/decimal_text.hpp"
#include "frame/object_names.hpp"

namespace hz {
namespace {

// 17 significant digits, with a decimal point under any locale.
std::string number(double v) { return general_text(v, 17); }

std::string cell(const std::optional<double>& v) { return v ? number(*v) : std::string(); }

}  // namespace

void write_object_table(std::ostream& out, const FrameReport& frame, const StarTables& stars) {
  out << "# t2000\t" << number(frame.t2000) << '\n'
      << "# tjt\t" << number(frame.tjt) << '\n'
      << "# ut_now\t" << number(frame.ut_now) << '\n'
      << "# is_day\t" << frame.is_day << '\n'
      << "# caption\t" << frame.caption.date << '\n'
      << "# caption\t" << frame.caption.time << '\n'
      << "index\tra_h\tdec_deg\talt_rad\taz_rad\td_rad\txp\typ\tdrawn\tmag\tcode\tname\n";
  for (int i = 1; i < object_table_size; ++i) {
    const ObjectRow& r = frame.objects[i];
    out << i << '\t' << cell(r.ra_h) << '\t' << cell(r.dec_deg) << '\t' << cell(r.alt) << '\t'
        << cell(r.az) << '\t' << cell(r.d) << '\t' << cell(r.xp) << '\t' << cell(r.yp) << '\t'
        << (r.drawn ? 1 : 0) << '\t';
    if (i <= last_star)
      out << number(stars.mag_st[i]) << '\t' << stars.col_st[i];
    else
      out << '\t';
    out << '\t' << table_name(i) << '\n';
  }
}

}  // namespace hz

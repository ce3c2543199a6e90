// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/object_table.hpp"

#include <optional>
#include <string>

#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"
#include "frame/constellation_layer.hpp"
#include "text/decimal_text.hpp"
#include "text/object_names.hpp"

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
  const auto row_cells = [&](int i) {
    const ObjectRow r = object_row(frame, i);
    out << i << '\t' << cell(r.ra_h) << '\t' << cell(r.dec_deg) << '\t' << cell(r.alt) << '\t'
        << cell(r.az) << '\t' << cell(r.d) << '\t' << cell(r.xp) << '\t' << cell(r.yp) << '\t'
        << (r.drawn ? 1 : 0) << '\t';
  };
  for (int i = 1; i < object_table_size; ++i) {
    row_cells(i);
    if (i <= last_star)
      out << number(stars.mag_st[i]) << '\t' << stars.col_st[i];
    else
      out << '\t';
    out << '\t' << table_name(i) << '\n';
  }
  // The extended stars to the frame's magnitude limit.
  for (std::size_t k = 0; k < frame.extended.size(); ++k) {
    const StarRow& star = extended_stars[k];
    if (!(star.mag <= *frame.options.magnitude_limit)) continue;
    const int i = first_extended + static_cast<int>(k);
    row_cells(i);
    out << number(star.mag) << '\t' << star.code << '\t' << table_name(i) << '\n';
  }
}

void write_constellation_table(std::ostream& out, const FrameReport& frame) {
  out << "abbr\tja\tlatin\talt_rad\taz_rad\txp\typ\tdrawn\n";
  const std::vector<LabelRow> labels = label_rows(frame);
  for (std::size_t k = 0; k < constellations.size(); ++k) {
    const Constellation& c = constellations[k];
    const LabelRow& r = labels[k];
    out << c.abbreviation << '\t' << c.japanese << '\t' << c.latin << '\t' << number(r.alt) << '\t'
        << number(r.az) << '\t' << cell(r.xp) << '\t' << cell(r.yp) << '\t' << (r.drawn ? 1 : 0)
        << '\n';
  }
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/disc_table.hpp"

#include "almanac/disc_look.hpp"
#include "text/decimal_text.hpp"
#include "text/object_names.hpp"

namespace hz {

std::string disc_table(double t2000) {
  std::string out =
      "body\tname_ja\tphase_angle_deg\tlit_fraction\tdiameter_arcsec\telongation_deg\tside\tstar\n";
  for (AlmanacBody b : disc_bodies) {
    const std::optional<DiscLook> look = disc_look(b, t2000);
    if (!look) continue;
    const ObjectName name = object_name(almanac_body_object(b));
    const char* star = evening_or_morning_star(b, *look);
    out += name.english + '\t' + name.japanese + '\t' + fixed_text(look->phase_angle, 2) + '\t' +
           fixed_text(look->lit_fraction, 4) + '\t' + fixed_text(look->diameter, 2) + '\t' +
           fixed_text(look->elongation, 2) + '\t' + (look->east_of_sun ? "evening" : "morning") +
           '\t' + (star ? star : "") + '\n';
  }
  return out;
}

}  // namespace hz

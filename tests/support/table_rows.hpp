// SPDX-License-Identifier: GPL-3.0-or-later
// Rows of the generated tables found by name, so that a test names the star
// or the constellation it means and a regenerated table, its rows
// renumbered, does not break it. A name not in the table throws, which fails
// the test that asked (or, at namespace scope, stops the test program) with
// the name.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "catalog/star_table.hpp"
#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"

namespace hz::testing {

// The row (1..star_count) of the built-in star with this designation
// ("alp CMa"): also its index in the object table.
inline int star_row(std::string_view designation) {
  for (int row = 1; row <= star_count; ++row) {
    if (designation == star_names[static_cast<std::size_t>(row - 1)].designation) return row;
  }
  throw std::invalid_argument("no built-in star " + std::string(designation));
}

// The row (1..extended_star_count) of the extended star with this
// designation ("zet Cet"); its index in the object table is moon_index plus
// the row.
inline int extended_row(std::string_view designation) {
  for (int row = 1; row <= extended_star_count; ++row) {
    if (designation == extended_star_name(row).designation) return row;
  }
  throw std::invalid_argument("no extended star " + std::string(designation));
}

// The index into constellations of the constellation with this IAU
// abbreviation ("Ori").
inline int constellation_index(std::string_view abbreviation) {
  for (std::size_t k = 0; k < constellations.size(); ++k) {
    if (abbreviation == constellations[k].abbreviation) return static_cast<int>(k);
  }
  throw std::invalid_argument("no constellation " + std::string(abbreviation));
}

}  // namespace hz::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>

#include "constellation/constellations.hpp"
#include "constellation/extended_stars.hpp"

namespace hz {

const StarRow& star_row(StarRef star) {
  const auto k = static_cast<std::size_t>(star.row - 1);
  return star.table == StarTable::builtin ? star_table[k] : extended_stars[k];
}

StarName star_name(StarRef star) {
  if (star.table == StarTable::builtin) return star_names[static_cast<std::size_t>(star.row - 1)];
  return extended_star_name(star.row);
}

}  // namespace hz

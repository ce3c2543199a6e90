// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstddef>

#include "constellation/extended_stars.hpp"

namespace hz {

namespace {

const ExtendedNameRow& name_row(int row) {
  return extended_name_rows[static_cast<std::size_t>(row - 1)];
}

}  // namespace

StarName extended_star_name(int row) {
  const ExtendedNameRow& n = name_row(row);
  return {extended_name_blob + n.designation, extended_name_blob + n.proper,
          extended_name_blob + n.japanese};
}

std::optional<int> designated_constellation(int row) {
  const int con = name_row(row).constellation;
  if (con < 0) return std::nullopt;
  return con;
}

const char* display_name(const StarName& name) {
  if (name.japanese[0] != '\0') return name.japanese;
  if (name.proper[0] != '\0') return name.proper;
  return name.designation;
}

}  // namespace hz

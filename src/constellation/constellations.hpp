// SPDX-License-Identifier: GPL-3.0-or-later
// The 88 constellations, their names, label points and figure lines.
#pragma once

#include <array>
#include <cstdint>

#include "catalog/star_table.hpp"
#include "constellation/generated/table_sizes.hpp"

namespace hz {

constexpr int constellation_count = 88;

// Which table a figure star is in.
enum class StarTable : std::uint8_t { builtin, extended };

// A star of the built-in table (row 1..300) or of the extended table (row
// 1..extended_star_count), so a figure line ends on the very dot drawn.
struct StarRef {
  StarTable table;
  std::uint16_t row;
};

// A figure line from one star to another.
struct FigureLine {
  StarRef from;
  StarRef to;
};

// One constellation (Serpens once, its two figures together):
//
//   abbreviation   IAU abbreviation ("Ori")
//   latin          Latin name ("Orion")
//   japanese       Japanese name ("オリオン座"), UTF-8
//   label_ra_h     where its name goes, J2000.0 right ascension, hours
//   label_dec_deg  ... and declination, degrees
//   first_line     its lines are figure_lines[first_line .. first_line + line_count)
struct Constellation {
  char abbreviation[4];
  char latin[20];
  char japanese[32];
  double label_ra_h;
  double label_dec_deg;
  std::uint16_t first_line;
  std::uint16_t line_count;
};

// In the source's order (alphabetical by Latin name, near enough). Generated
// by tools/make_constellations.py from d3-celestial (BSD-3-Clause).
extern const std::array<Constellation, constellation_count> constellations;
extern const std::array<FigureLine, figure_line_count> figure_lines;

// The row a reference names, in its table.
const StarRow& star_row(StarRef star);
// The names of the star a reference names.
StarName star_name(StarRef star);

}  // namespace hz

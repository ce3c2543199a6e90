// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the objects of the table: the stars' from the star table, the
// Sun's, the planets' and the Moon's built in.
#pragma once

#include <string>
#include <string_view>

namespace hz {

// The names of object i of the table (1..311, and the extended stars from
// first_extended on), UTF-8; a part the object does
// not have is empty.
struct ObjectName {
  std::string designation;  // stars: "alp CMa"
  std::string english;      // stars: the proper name; bodies: "Jupiter"
  std::string japanese;     // "シリウス", "木星"
};

ObjectName object_name(int i);

// A designation as a person reads it: a Bayer letter's three-letter
// abbreviation as the Greek letter, its number as a superscript ("alp CMa"
// gives "α CMa", "alp1 Cen" and "pi 3Ori" give "α¹ Cen" and "π³ Ori");
// anything else as it is ("51 And", "HIP 107"). For the hover tip; the
// tables keep the abbreviations.
std::string greek_designation(std::string_view designation);

// The name column of the renderer's table: a star's designation and proper
// name ("alp CMa Sirius"), a body's English name; empty for index 0.
std::string table_name(int i);

}  // namespace hz

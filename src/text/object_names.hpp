// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the objects of the table: the stars' from the star table, the
// Sun's, the planets' and the Moon's built in.
#pragma once

#include <string>

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

// The name column of the renderer's table: a star's designation and proper
// name ("alp CMa Sirius"), a body's English name; empty for index 0.
std::string table_name(int i);

}  // namespace hz

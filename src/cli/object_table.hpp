// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "frame/frame_report.hpp"
#include "frame/star_field.hpp"

namespace hz {

// Writes a frame's object table as tab-separated text: '#' lines with the
// frame's t2000, tjt, ut_now, is_day and the two caption lines, a header line,
// then one row per object 1..311. Numbers carry 17 significant digits; a value
// the frame did not compute is left empty; mag and code are given for stars;
// the last column, name, holds the object's name (see table_name), empty
// when it has none.
// With a magnitude limit, the extended stars to that magnitude follow, row k
// of the extended table at index moon_index + k, in the same columns.
void write_object_table(std::ostream& out, const FrameReport& frame, const StarTables& stars);

// Writes the frame's constellations as tab-separated text: a header line,
// then one row per constellation: abbreviation, Japanese name, Latin name,
// the label point's altitude and azimuth (radians), its pixel x and y
// (empty when it is not in the field) and whether the name was drawn.
void write_constellation_table(std::ostream& out, const FrameReport& frame);

}  // namespace hz

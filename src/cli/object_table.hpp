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
void write_object_table(std::ostream& out, const FrameReport& frame, const StarTables& stars);

}  // namespace hz

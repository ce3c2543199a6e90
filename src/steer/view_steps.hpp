// SPDX-License-Identifier: GPL-3.0-or-later
// Steering the line of sight by steps: as written into the fields, by the
// arrow keys, and the zoom levels of the wheel and the +/- keys.
#pragma once

#include <string>

#include "steer/grab_view.hpp"

namespace hz {

// Decimals the line of sight is written with: 1 at zoom 1, where a tenth of a
// degree is a third of a pixel, and 2 zoomed in, so that a grab stays within
// a pixel up to 16 times.
int view_decimals(double zoom);

// The line of sight to that many decimals (rounded half to even), altitude
// held within -90..90 and azimuth within 0..360 (360 itself reads 0).
HorizonDirection in_field_steps(const HorizonDirection& view, int decimals);

// The field text of an angle with that many decimals ("45.5", "-0.25").
std::string view_text(double deg, int decimals);

// The line of sight turned by d_alt and d_az degrees: altitude held within
// -90..90, azimuth brought into 0..360.
HorizonDirection turned(const HorizonDirection& view, double d_alt, double d_az);

// Zoom levels 0..8: the zoom is sqrt(2) to the level, the even levels exact
// powers of two (1, 2, 4, 8, 16).
constexpr int zoom_level_max = 8;
double zoom_of_level(int level);

}  // namespace hz

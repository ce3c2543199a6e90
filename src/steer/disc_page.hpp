// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon and the planets as a telescope shows them, for 暦 and the tip:
// lit fraction, phase angle, apparent diameter, angle from the Sun, and for
// Venus and Mercury 宵の明星 or 明けの明星 (almanac/disc_look.hpp).
#pragma once

#include <string>

namespace hz {

// 暦's part at the moment t2000: a table of the Moon, Mercury, Venus, Mars,
// Jupiter and Saturn, each with a drawing of its lit shape, the planets at a
// pixel an arcsecond (their sizes compare), the Moon at a thirtieth of that.
std::string disc_html(double t2000);

// The tip's lines for object i of the table at t2000, each after a '\n';
// empty for an object without a disc.
std::string disc_tip(int object, double t2000);

}  // namespace hz

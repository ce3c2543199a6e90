// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's phase as an angle: what its mark draws and what the hover tip
// reports, from one fold.
#pragma once

namespace hz {

struct MoonPhaseAngle {
  double turned;  // 15 deg per hour of the difference taken to 0..24 h: 0..2 pi
  double phi;     // turned folded into 0..pi: 0 new, pi full
  bool mirror;    // turned >= pi: the Moon east of the Sun, waxing, lit on the right
};

// The phase angle of the Moon.
//
// Given:    d_mrk      right ascension of the Sun minus that of the Moon,
//                      hours, -24..24 (the frame's mphase)
// Returned: (function value) the angle before and after the fold, and
//                      whether the fold mirrored it
// Notes:    1. A negative difference is taken up by 24 h, then turned into
//              radians; an angle of pi or more is folded to 2 pi minus it.
//           2. The lit fraction of the disc is (1 - cos turned) / 2, and
//              cos phi draws the terminator.
MoonPhaseAngle moon_phase_angle(double d_mrk);

}  // namespace hz

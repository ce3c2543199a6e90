// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/moon_phase_angle.hpp"

#include "common/constants.hpp"

namespace hz {

MoonPhaseAngle moon_phase_angle(double d_mrk) {
  double phi = d_mrk;
  if (phi < 0) phi = phi + 24;
  phi = phi * 15 * rd;
  const double turned = phi;
  bool mirror = false;
  if (phi >= pi) {
    phi = 2 * pi - phi;
    mirror = true;
  }
  return {turned, phi, mirror};
}

}  // namespace hz

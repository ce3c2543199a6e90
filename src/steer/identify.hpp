// SPDX-License-Identifier: GPL-3.0-or-later
// Which object of a frame lies under a point, and what to say of it: the hover
// tool tip of the window. No widgets.
#pragma once

#include <optional>
#include <string>

#include "frame/frame_report.hpp"
#include "frame/star_field.hpp"

namespace hz {

// Pointer distance, in pixels, within which a drawn object counts as hit.
constexpr double hit_radius = 6;

// The object drawn nearest (x, y) on the frame, within radius pixels, or
// nothing. Objects not drawn (below the horizon, outside the field, hidden by
// day, the Earth) are never hit. Objects at the same distance to within a
// pixel go to the brighter: the Sun, the Moon, then the planets in their
// order, then the stars by magnitude.
std::optional<int> object_at(const FrameReport& frame, const StarTables& stars, double x, double y,
                             double radius = hit_radius);

// The Moon's lit fraction and its direction of change, from the Sun's right
// ascension minus the Moon's in hours (the mphase of the Moon's mark), by the
// mark's own phase angle (render/moon_phase_angle.hpp): the lit fraction is
// (1 - cos turned) / 2 (the share of the disc the mark fills), and the Moon
// waxes when the fold mirrors the angle, when the Moon lies east of the Sun
// (the mark's lit limb on the right).
struct MoonLight {
  double lit;  // 0..1
  bool waxing;
};
MoonLight moon_light(double mphase);

// The constellation (an index of constellations) holding the direction
// under a point of the frame, when that direction is in the field and above
// the horizon; nothing otherwise.
std::optional<int> constellation_under(const FrameReport& frame, double x, double y);

// Its tool tip: 「オリオン座 (Orion)」.
std::string describe_constellation(int k);

// The hover tip at a point of the frame: the object drawn there
// (describe_object), else the constellation of the empty sky
// (describe_constellation); empty where there is neither.
std::string describe_point(const FrameReport& frame, const StarTables& stars, double x, double y);

// The tool tip for object i of the frame (an extended star from
// first_extended on), UTF-8, one item a line: the
// Japanese name (or the designation) with the English name in parentheses,
// the magnitude for stars, altitude and azimuth in degrees and minutes, right
// ascension and declination of date, and for the Moon the lit fraction and
// whether it waxes or wanes; for the Sun and the Moon that day's rise and set
// and the Moon's age (almanac_tip).
std::string describe_object(const FrameReport& frame, const StarTables& stars, int i);

}  // namespace hz

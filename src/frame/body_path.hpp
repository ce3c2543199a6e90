// SPDX-License-Identifier: GPL-3.0-or-later
// 動きを描く: the places of the Sun, the Moon or a planet at the same clock time
// on successive days, as dots joined by a line, a date beside every tenth
// or so. Among the stars of the frame on screen they show a planet turning
// back (逆行) and the Sun along the zodiac; where each stood in the sky at
// that clock time (BodyPath::horizon) the Sun draws its analemma.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/constants.hpp"
#include "frame/frame_options.hpp"
#include "frame/frame_view.hpp"
#include "frame/path_place.hpp"
#include "render/surface.hpp"

namespace hz {

constexpr Rgb col_path = rgb(110, 220, 130);

// The days a path may span.
constexpr int max_path_days = 3660;

// Whether row i of the object table is a body that has a path (not the
// Earth, not a star).
bool has_path(int object);

// The body's places, days of them, one a day from the moment (t2000, ut).
std::vector<PathPlace> path_places(int object, int days, double t2000, double ut);

// The places projected for the view (each where it stands among the stars of
// the view's moment, or with horizon at its own moment) and drawn: a line
// from each place in the field to the next, a dot on each, and its JST date
// ("10/1") beside every label_every-th.
void draw_path(Surface& pic, const FrameView& view, bool horizon, std::vector<PathPlace>& places);

// How many days apart the dates are written: ten for up to 120 days, then
// enough to write a dozen or so.
int label_every(int days);

// "10/1": the JST month and day of a moment.
std::string month_day_text(double t2000);

}  // namespace hz

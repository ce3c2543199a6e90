// SPDX-License-Identifier: GPL-3.0-or-later
// What can be looked for by name (bodies, named stars, constellations), where
// it stands in a frame and when it next rises.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/horizon_direction.hpp"
#include "frame/frame_report.hpp"

namespace hz {

struct SkyTarget {
  enum class Kind { body, star, constellation };
  Kind kind;
  int index;            // body/star: object index (301..311 minus 304; 1..300; or
                        // an extended-star row as numbered in frames, 312 on);
                        // constellation: its index into constellations
  std::string name_ja;  // 木星, シリウス, オリオン座
  std::string name_en;  // Jupiter, Sirius, Orion
};

// The ring that marks the target on the sky (FrameOptions::marked).
MarkedTarget mark_of(const SkyTarget& t);

// Everything that can be found, for the completion list: the Sun, the Moon,
// the planets (not the Earth), the named stars (those with a Japanese or a
// proper English name, in the built-in and the extended tables), the 88
// constellations.
const std::vector<SkyTarget>& sky_targets();

// By Japanese or English name, case-insensitive, ignoring surrounding blanks.
std::optional<SkyTarget> find_target(std::string_view name);

// Where the target stands in the frame's moment and place (the same positions
// and conversions the frame drew with, so a view centred on it puts it on the
// centre pixel; constellations: their label point).
HorizonDirection target_direction(const SkyTarget& t, const FrameReport& frame);

// The first rising after the frame's moment, within the next two days, as
// Julian centuries from J2000.0 (Sun, Moon, planets: from the almanac; stars
// and constellation points: fixed places, from hour angles at the standard
// refraction); nothing if it does not rise.
std::optional<double> next_rising(const SkyTarget& t, const FrameReport& frame);

// 「地平線の下です」, with 「（12月10日 3時15分に昇ります）」 appended when a
// rising is known (JST).
std::string below_horizon_text(std::optional<double> rising_t2000);
// The same in English: "below the horizon; rises 2026-12-10 03:15 JST", or
// "below the horizon; does not rise within two days".
std::string below_horizon_text_en(std::optional<double> rising_t2000);

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The generated table behind places(): see tools/make_places.py.
#pragma once

#include <array>

#include "places/places.hpp"

namespace hz {

constexpr int place_count = 48;  // 47 prefectural capitals and Akashi

extern const std::array<Place, place_count> place_table;

}  // namespace hz

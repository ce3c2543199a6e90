// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/places.hpp"

namespace hz {

std::span<const Place> places() { return {}; }

const Place* find_place(std::string_view) { return nullptr; }

std::string place_label(const Place&) { return {}; }

}  // namespace hz

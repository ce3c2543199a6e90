// SPDX-License-Identifier: GPL-3.0-or-later
// hoshizora-render's --now, --place and --find: the start moment from the
// computer's clock, the place from the 観測地 list, the view on an object.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "cli/render_options.hpp"
#include "time/jst_now.hpp"

namespace hz {

// Takes one of --now, --place NAME and --find NAME off the command line.
//
// Given:    name        the option, without "=VALUE"
//           has_value   whether "=VALUE" came with it
//           take_value  the option's value, as the other options take it
//           now         the present minute in JST, for --now
// Returned: nothing when name is none of the three; else an error text,
//           empty when the option was taken into o.
// Notes:    --now fills the start date and time and --place the longitude
//           and latitude where they stand on the line: a later field option
//           overrides them.
std::optional<std::string> parse_place_find_option(
    const std::string& name, bool has_value,
    const std::function<std::optional<std::string>()>& take_value, const JstMinute& now,
    RenderOptions& o);

// --place list: every place, one a line: label, romaji, longitude east and
// latitude north in degrees, tab-separated.
std::string place_list_text();

// The lines of --help on the three options.
std::string place_find_usage();

}  // namespace hz

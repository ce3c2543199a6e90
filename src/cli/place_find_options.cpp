// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/place_find_options.hpp"

#include "places/places.hpp"
#include "steer/session_fields.hpp"
#include "text/decimal_text.hpp"

namespace hz {

std::optional<std::string> parse_place_find_option(
    const std::string& name, bool has_value,
    const std::function<std::optional<std::string>()>& take_value, const JstMinute& now,
    RenderOptions& o) {
  if (name == "--now") {
    if (has_value) return name + " takes no value";
    for (const auto& [f, text] : now_fields(now)) o.texts[f] = text;
    return "";
  }
  if (name == "--place") {
    const auto v = take_value();
    if (!v) return name + " needs a place (see --place list)";
    if (*v == "list") {
      o.list_places = true;
      return "";
    }
    const Place* p = find_place(*v);
    if (!p) {
      return "unknown place '" + *v +
             "': give a prefectural capital or a prefecture, in kanji or romaji, or 明石 "
             "(see --place list)";
    }
    for (const auto& [f, text] : place_fields(*p)) o.texts[f] = text;
    o.place_name = place_label(*p);
    return "";
  }
  if (name == "--find") {
    const auto v = take_value();
    if (!v) return name + " needs the name of an object";
    o.find = find_target(*v);
    if (!o.find) {
      return "unknown object '" + *v +
             "': give the Sun, the Moon, a planet, a named star or a constellation by its "
             "Japanese or English name (木星, Jupiter, シリウス, Sirius, オリオン座, Orion)";
    }
    return "";
  }
  return std::nullopt;
}

std::string place_list_text() {
  std::string out;
  for (const Place& p : places()) {
    out += place_label(p) + '\t' + p.city_romaji + ", " + p.prefecture_romaji + '\t' +
           fixed_text(p.lon_deg, 2) + '\t' + fixed_text(p.lat_deg, 2) + '\n';
  }
  return out;
}

std::string place_find_usage() {
  return R"(
Where, when and what to look at (a later field option overrides what --now
and --place fill in):
  --now                 start at the computer's present minute in Japan
                        Standard Time, whatever its time zone
  --place NAME          the longitude and latitude of a prefectural capital
                        (the prefectural office), by city or prefecture, in
                        kanji or romaji (札幌, 北海道, Sapporo, hokkaido), or
                        明石 (135° E); --place list prints every place with
                        its coordinates and exits
  --find NAME           centre the view on an object at the first frame's
                        moment and ring it in red: the Sun, the Moon, a
                        planet, a named star or a constellation (its label
                        point), by its Japanese or English name (木星,
                        Jupiter, シリウス, オリオン座).
                        Below the horizon it is drawn all the same, and
                        standard error says so and when it next rises
An unknown place or object is refused with exit status 2.
)";
}

}  // namespace hz

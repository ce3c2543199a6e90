// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/places.hpp"

#include <array>

#include "common/name_text.hpp"
#include "places/place_table.hpp"

namespace hz {

namespace {

// The suffixes a name may come with or without: city, and the four kinds of
// prefecture (都 Tokyo, 道 Hokkaido, 府 Kyoto and Osaka, 県 the rest).
constexpr std::array<std::string_view, 5> suffixes = {"市", "都", "道", "府", "県"};

// The forms a name is known by: as written (blanks trimmed, ASCII letters in
// lower case) and without its suffix, if it has one. Both sides of a
// comparison are reduced, so 京都 finds 京都府 (京都) and not only 京.
struct Forms {
  std::string whole, stem;
};

Forms forms(std::string_view name) {
  name = trim_blanks(name);
  std::string_view stem = name;
  for (std::string_view suffix : suffixes) {
    if (name.size() > suffix.size() && name.ends_with(suffix)) {
      stem.remove_suffix(suffix.size());
      break;
    }
  }
  return {ascii_lower(name), ascii_lower(stem)};
}

bool same_name(const Forms& a, std::string_view table_name) {
  const Forms b = forms(table_name);
  return a.whole == b.whole || a.whole == b.stem || a.stem == b.whole || a.stem == b.stem;
}

}  // namespace

std::span<const Place> places() { return place_table; }

const Place* find_place(std::string_view name) {
  const Forms wanted = forms(name);
  if (wanted.whole.empty()) return nullptr;
  // Cities first: 兵庫県 then names the capital, 神戸, not 明石.
  for (const Place& p : place_table) {
    if (same_name(wanted, p.city_ja) || same_name(wanted, p.city_romaji)) return &p;
  }
  for (const Place& p : place_table) {
    if (same_name(wanted, p.prefecture_ja) || same_name(wanted, p.prefecture_romaji)) return &p;
  }
  return nullptr;
}

std::string place_label(const Place& p) {
  std::string_view city = p.city_ja;
  if (city.ends_with("市")) city.remove_suffix(std::string_view("市").size());
  return std::string(city) + "（" + p.prefecture_ja + "）";
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/almanac_tip.hpp"

#include "text/almanac_text.hpp"

namespace hz {

std::string almanac_tip(const FrameReport& frame, int i) {
  if (i != sun_index && i != moon_index) return {};
  const std::optional<AlmanacDay> d = almanac_of_moment(frame.lon_obs, frame.lat_obs, frame.t2000);
  if (!d) return {};
  const bool sun = i == sun_index;
  const AlmanacBody b = sun ? AlmanacBody::sun : AlmanacBody::moon;
  std::string out = sun ? "\n日の出 " : "\n月の出 ";
  out += clock_text(find_event(*d, b, AlmanacEventKind::rise));
  out += sun ? "  日の入 " : "  月の入 ";
  out += clock_text(find_event(*d, b, AlmanacEventKind::set));
  if (!sun) out += "\n月齢 " + moon_age_text(d->moon_age);
  return out;
}

}  // namespace hz

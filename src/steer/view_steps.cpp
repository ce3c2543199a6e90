// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/view_steps.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace hz {

int view_decimals(double zoom) { return zoom > 1 ? 2 : 1; }

HorizonDirection in_field_steps(const HorizonDirection& view, int decimals) {
  const double unit = std::pow(10.0, decimals);
  const auto step = [unit](double x) { return std::nearbyint(x * unit) / unit; };
  double az = step(view.az_deg - 360 * std::floor(view.az_deg / 360));
  if (az >= 360) az = 0;
  return {std::clamp(step(view.alt_deg), -90.0, 90.0), az};
}

std::string view_text(double deg, int decimals) {
  char buf[32];
  const int n = std::snprintf(buf, sizeof buf, "%.*f", decimals, deg);
  std::string_view s(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
  if (s.find('.') != std::string_view::npos) {
    // "45.50" reads as "45.5", "45.00" as "45".
    while (s.back() == '0') s.remove_suffix(1);
    if (s.back() == '.') s.remove_suffix(1);
  }
  if (s == "-0") s = "0";
  return std::string(s);
}

HorizonDirection turned(const HorizonDirection& view, double d_alt, double d_az) {
  double az = view.az_deg + d_az;
  az -= 360 * std::floor(az / 360);
  if (az >= 360) az = 0;
  return {std::clamp(view.alt_deg + d_alt, -90.0, 90.0), az};
}

double zoom_of_level(int level) {
  level = std::clamp(level, 0, zoom_level_max);
  const double power = std::ldexp(1.0, level / 2);
  return level % 2 == 0 ? power : power * std::sqrt(2.0);
}

}  // namespace hz

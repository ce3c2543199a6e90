// SPDX-License-Identifier: GPL-3.0-or-later
// 暦's drawing of a disc, read back from its BMP: the lit share of the disc
// is the lit fraction, on the Sun's side.
#include "steer/disc_picture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "common/constants.hpp"

namespace hz {
namespace {

std::vector<std::uint8_t> unbase64(const std::string& s) {
  const std::string digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::vector<std::uint8_t> out;
  unsigned bits = 0;
  int count = 0;
  for (char c : s) {
    const auto d = digits.find(c);
    if (d == std::string::npos) continue;  // '=' padding
    bits = (bits << 6) | static_cast<unsigned>(d);
    count += 6;
    if (count >= 8) {
      count -= 8;
      out.push_back(static_cast<std::uint8_t>((bits >> count) & 0xff));
    }
  }
  return out;
}

TEST(DiscPicture, TheLitShareIsTheLitFractionOnTheSunsSide) {
  constexpr int size = 81;
  const struct {
    double phase_angle;
    bool east;
  } cases[] = {{0, true}, {40, false}, {90, true}, {120, false}, {150, true}, {180, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.phase_angle);
    const DiscLook look{c.phase_angle, (1 + std::cos(c.phase_angle * rd)) / 2, 10, 20, c.east};
    const std::string url = disc_picture(look, size);
    const std::string head = "data:image/bmp;base64,";
    ASSERT_EQ(url.substr(0, head.size()), head);
    const std::vector<std::uint8_t> bmp = unbase64(url.substr(head.size()));
    ASSERT_GE(bmp.size(), 54u);
    ASSERT_EQ(bmp[0], 'B');
    const int row_bytes = (3 * size + 3) / 4 * 4;
    ASSERT_EQ(bmp.size(), 54u + static_cast<std::size_t>(row_bytes * size));
    int disc = 0, lit = 0, lit_right = 0;
    for (int row = 0; row < size; ++row) {
      for (int col = 0; col < size; ++col) {
        const std::uint8_t* p = &bmp[54 + row * row_bytes + 3 * col];  // blue, green, red
        if (p[0] == 255 && p[1] == 255 && p[2] == 255) continue;       // the page around it
        ++disc;
        if (p[2] == 255) {
          ++lit;
          lit_right += col > size / 2;
        }
      }
    }
    EXPECT_NEAR(disc, pi * size * size / 4, 0.02 * disc);
    EXPECT_NEAR(static_cast<double>(lit) / disc, look.lit_fraction, 0.02);
    if (lit > 0 && c.phase_angle > 0) {
      const double right = static_cast<double>(lit_right) / lit;
      EXPECT_TRUE(c.east ? right > 0.5 : right < 0.5) << right;
    }
  }
}

}  // namespace
}  // namespace hz

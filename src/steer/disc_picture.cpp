// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/disc_picture.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "common/constants.hpp"

namespace hz {
namespace {

void put16(std::vector<std::uint8_t>& b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xff));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xff));
}
void put32(std::vector<std::uint8_t>& b, unsigned v) {
  put16(b, v & 0xffff);
  put16(b, v >> 16);
}

std::string base64(const std::vector<std::uint8_t>& in) {
  static constexpr char digits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t i = 0; i < in.size(); i += 3) {
    const unsigned n = (unsigned(in[i]) << 16) |
                       (i + 1 < in.size() ? unsigned(in[i + 1]) << 8 : 0) |
                       (i + 2 < in.size() ? unsigned(in[i + 2]) : 0);
    out += digits[(n >> 18) & 63];
    out += digits[(n >> 12) & 63];
    out += i + 1 < in.size() ? digits[(n >> 6) & 63] : '=';
    out += i + 2 < in.size() ? digits[n & 63] : '=';
  }
  return out;
}

}  // namespace

std::string disc_picture(const DiscLook& look, int size) {
  size = std::max(size, 3);
  const unsigned row_bytes = (3 * unsigned(size) + 3) / 4 * 4;
  const unsigned pixel_bytes = row_bytes * unsigned(size);
  std::vector<std::uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  put32(b, 54 + pixel_bytes);
  put32(b, 0);
  put32(b, 54);
  put32(b, 40);  // BITMAPINFOHEADER
  put32(b, unsigned(size));
  put32(b, unsigned(size));
  put16(b, 1);
  put16(b, 24);
  put32(b, 0);
  put32(b, pixel_bytes);
  put32(b, 2835);
  put32(b, 2835);
  put32(b, 0);
  put32(b, 0);

  const double radius = size / 2.0;
  const double cos_i = std::cos(look.phase_angle * rd);
  const double side = look.east_of_sun ? 1 : -1;  // the lit limb: right, else left
  for (int row = size - 1; row >= 0; --row) {     // bottom-up
    for (int col = 0; col < size; ++col) {
      const double u = (col + 0.5 - radius) / radius * side, v = (row + 0.5 - radius) / radius;
      Rgb c = rgb(255, 255, 255);
      if (u * u + v * v <= 1) {
        const double limb = std::sqrt(1 - v * v);
        c = u >= -limb * cos_i ? rgb(255, 236, 150) : rgb(90, 90, 100);
      }
      b.push_back(static_cast<std::uint8_t>(blue_of(c)));
      b.push_back(static_cast<std::uint8_t>(green_of(c)));
      b.push_back(static_cast<std::uint8_t>(red_of(c)));
    }
    for (unsigned pad = 3 * unsigned(size); pad < row_bytes; ++pad) b.push_back(0);
  }
  return "data:image/bmp;base64," + base64(b);
}

}  // namespace hz

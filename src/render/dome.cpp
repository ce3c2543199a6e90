#include "render/dome.hpp"

#include <cmath>
#include <vector>

#include "render/projection.hpp"

namespace hz {

namespace {

constexpr int n_az = 361;  // azimuths 0..360 degrees
constexpr int n_alt = 91;  // altitudes 0..90 degrees
constexpr int outside = 999;

// Projected grid nodes, indexed by whole degrees of azimuth and altitude.
struct Nodes {
  std::vector<double> gx = std::vector<double>(n_az * n_alt);
  std::vector<double> gy = std::vector<double>(n_az * n_alt);
  std::vector<int> gvis = std::vector<int>(n_az * n_alt);
  static int at(int a, int h) { return a * n_alt + h; }
};

}  // namespace

void sph(Surface& pic, double alt0, double az0, double x0, double y0, double r, double scl,
         Rgb col1, Rgb col2, Rgb col3) {
  const double ss = alt0 * rd;
  const double sl = az0 * rd;
  Nodes n;
  // Projects node (a, h) and records whether it lies in the field.
  auto node = [&](int a, int h) {
    const Projected p = prj(ss, sl, x0, y0, scl, h * rd, a * rd);
    const int i = Nodes::at(a, h);
    n.gx[i] = p.xp;
    n.gy[i] = p.yp;
    n.gvis[i] = p.d / rd < r + 0.1 ? 0 : outside;
  };
  auto segment = [&](int a1, int h1, int a2, int h2, Rgb c) {
    const int i = Nodes::at(a1, h1);
    const int j = Nodes::at(a2, h2);
    if (n.gvis[i] == 0 && n.gvis[j] == 0) pic.line(n.gx[i], n.gy[i], n.gx[j], n.gy[j], c);
  };

  pic.cls();

  // Azimuth lines, horizon to zenith; 0 and 360 coincide and both are drawn.
  for (int a = 0; a <= 360; a += 10) {
    for (int h = 0; h <= 90; ++h) {
      node(a, h);
      if (h > 0) segment(a, h, a, h - 1, col1);
    }
  }

  // Altitude circles; the first is the horizon.
  for (int h = 0; h <= 80; h += 10) {
    const Rgb c = h == 0 ? col2 : col1;
    for (int a = 0; a <= 360; ++a) {
      node(a, h);
      if (a > 0) segment(a, h, a - 1, h, c);
    }
  }

  pic.set_fore_color(col3);

  // Upper half of the field boundary; near the zenith the horizon bounds it.
  if (std::fabs(alt0 - 90) > 0.5) {
    pic.circle(x0, y0, r * scl, pic.fore_color(), ArcAngles{0, pi}, 1.0);
  }

  // Legend.
  pic.line(x0 - 20, 27, x0 + 80, 27, pic.fore_color());
  pic.set_current(x0 + 120, 22);
  pic.print("視線を中心とする半径90ﾟの円");
  pic.set_fore_color(col2);
  pic.line(x0 - 20, 47, x0 + 80, 47, pic.fore_color());
  pic.set_current(x0 + 120, 42);
  pic.print("地平線");

  // Cardinal points on the horizon.
  static constexpr const char* labels[4] = {"北", "東", "南", "西"};
  for (int k = 0; k < 4; ++k) {
    const int a = 90 * k;
    const Projected p = prj(ss, sl, x0, y0, scl, 0 * rd, a * rd);
    if (p.d / rd < r + 0.5) {
      pic.set_fill_style(FillStyle::transparent);
      pic.circle(p.xp, p.yp, 2, pic.fore_color());
      pic.set_current(p.xp - 4, p.yp + 10);
      pic.print(labels[k]);
    }
  }
}

}  // namespace hz

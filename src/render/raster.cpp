// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/raster.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace hz {

namespace {

// One axis's share of the ellipse equation; a zero semi-axis admits only 0.
double axis_term(std::int64_t d, double r) {
  if (r > 0) {
    const double q = static_cast<double>(d) / r;
    return q * q;
  }
  return d == 0 ? 0.0 : 2.0;
}

// The digital disc of semi-axes rx, ry around the origin.
struct Disc {
  double rx;
  double ry;
  std::int64_t kx;  // largest |dx| that can be inside
  std::int64_t ky;  // largest |dy| that can be inside

  bool contains(std::int64_t dx, std::int64_t dy) const {
    return axis_term(dx, rx) + axis_term(dy, ry) <= 1.0;
  }

  // Half-width of row dy: the largest dx >= 0 with (dx, dy) in the disc, or
  // -1 when the row holds no pixel of the disc. The rows are symmetric and
  // each is one run, since the test grows with |dx|.
  std::int64_t half_width(std::int64_t dy) const {
    if (std::llabs(dy) > ky || !contains(0, dy)) return -1;
    if (rx <= 0) return 0;
    const double t = axis_term(dy, ry);
    double guess = std::floor(rx * std::sqrt(std::max(0.0, 1.0 - t)));
    std::int64_t k = std::clamp(static_cast<std::int64_t>(std::min(guess, static_cast<double>(kx))),
                                std::int64_t{0}, kx);
    while (k < kx && contains(k + 1, dy)) ++k;
    while (k > 0 && !contains(k, dy)) --k;
    return k;
  }
};

std::int64_t semi_axis_limit(double r) {
  return static_cast<std::int64_t>(std::floor(std::min(r, max_coordinate * 4)));
}

// Angle reduced into [0, 2 pi).
double reduce(double a) {
  const double two_pi = 2 * pi;
  double r = std::fmod(a, two_pi);
  if (r < 0) r = r + two_pi;
  return r;
}

// Whether the screen angle of an offset (dx, dy) lies in an arc. The arc's
// ends are reduced once, not once per pixel.
class ArcTest {
 public:
  explicit ArcTest(const ArcAngles& arc) : start_(reduce(arc.start)) {
    span_ = reduce(arc.end) - start_;
    if (span_ < 0) span_ = span_ + two_pi;
  }

  bool contains(std::int64_t dx, std::int64_t dy) const {
    constexpr double tol = 1e-9;
    // atan2 lies within [-pi, pi], inside (-2 pi, 2 pi) for the program's
    // pi too, where fmod gives its argument back exactly: reducing it is
    // only the turn added to a negative angle.
    double a = std::atan2(static_cast<double>(-dy), static_cast<double>(dx));
    if (a < 0) a = a + two_pi;
    double rel = a - start_;
    if (rel < 0) rel = rel + two_pi;
    return rel <= span_ + tol || rel >= two_pi - tol;
  }

 private:
  static constexpr double two_pi = 2 * pi;
  double start_;
  double span_;
};

}  // namespace

void raster_ellipse(PixelGrid& g, double x, double y, double rx, double ry,
                    const std::optional<ArcAngles>& arc, Rgb outline, std::optional<Rgb> fill) {
  const auto cx = pixel_of(x);
  const auto cy = pixel_of(y);
  if (!cx || !cy) return;
  if (!std::isfinite(rx) || !std::isfinite(ry) || rx < 0 || ry < 0) return;
  if (arc && (!std::isfinite(arc->start) || !std::isfinite(arc->end))) return;

  const Disc disc{rx, ry, semi_axis_limit(rx), semi_axis_limit(ry)};
  // Rows of the disc that fall on the grid.
  const std::int64_t dy_lo = std::max<std::int64_t>(-disc.ky, -*cy);
  const std::int64_t dy_hi = std::min<std::int64_t>(disc.ky, g.height() - 1 - *cy);
  const std::int64_t dx_min = -*cx;                 // leftmost grid column as an offset
  const std::int64_t dx_max = g.width() - 1 - *cx;  // rightmost

  auto paint = [&](std::int64_t dx, std::int64_t dy, Rgb c) {
    g.put(static_cast<int>(*cx + dx), static_cast<int>(*cy + dy), c);
  };

  const std::optional<ArcTest> arc_test =
      arc ? std::optional<ArcTest>(ArcTest(*arc)) : std::nullopt;
  // Half-widths of the rows above, at and below dy, each worked out once.
  std::int64_t above = disc.half_width(dy_lo - 1), here = disc.half_width(dy_lo), below = 0;
  for (std::int64_t dy = dy_lo; dy <= dy_hi; ++dy, above = here, here = below) {
    below = disc.half_width(dy + 1);
    const std::int64_t k = here;
    if (k < 0) continue;
    // A pixel of the row is on the boundary when it ends the row (|dx| = k)
    // or sticks out beyond the row above or below (|dx| > that row's k).
    const std::int64_t m = std::min({above, below, k - 1});
    const std::int64_t lo = std::max(-k, dx_min);
    const std::int64_t hi = std::min(k, dx_max);
    for (std::int64_t dx = lo; dx <= hi; ++dx) {
      const bool boundary = std::llabs(dx) > m;
      if (!boundary) {
        if (fill && !arc) paint(dx, dy, *fill);
        // Skip the inner run quickly when nothing is painted there.
        if (!fill || arc) dx = std::min(hi, std::max(dx, m));
        continue;
      }
      if (arc_test && !arc_test->contains(dx, dy)) continue;
      paint(dx, dy, outline);
    }
  }
}

Radii ellipse_radii(double radius, double aspect) {
  if (aspect < 1) return {radius, radius * aspect};
  if (aspect > 1) return {radius / aspect, radius};
  return {radius, radius};
}

std::vector<Point> disc_offsets(double radius) {
  if (!(radius > 0)) return {{0, 0}};
  std::vector<Point> offsets;
  const int n = static_cast<int>(std::ceil(radius));
  for (int dy = -n; dy <= n; ++dy) {
    for (int dx = -n; dx <= n; ++dx) {
      const double fx = dx / radius, fy = dy / radius;
      if (fx * fx + fy * fy <= 1) offsets.push_back({double(dx), double(dy)});
    }
  }
  return offsets;
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/dome.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "common/tri.hpp"
#include "render/dome_legend.hpp"
#include "render/fast_polar_distance.hpp"
#include "render/projection.hpp"

namespace hz {

namespace {

constexpr int n_az = 361;  // azimuths 0..360 degrees
constexpr int n_alt = 91;  // altitudes 0..90 degrees

// A grid node as drawn: its pixel, and whether it belongs to the field.
struct Node {
  double px = 0, py = 0;  // whole pixels
  bool in_field = false;
};

// Projects the grid nodes of one view. Each node's pixel is what prj gives,
// rounded as the rasteriser rounds it, and it belongs to the field exactly
// when prj's polar distance is under r + 0.1 degrees. The view's and the
// nodes' sines and cosines are taken once, not once per node, and the polar
// distance comes from fast_polar_distance; wherever its small error, or the
// others named below, could change a result, the node is taken exactly.
class NodeProjector {
 public:
  NodeProjector(double ss, double sl, double x0, double y0, double scl, double r)
      : ss_(ss),
        sl_(sl),
        x0_(x0),
        y0_(y0),
        scl_(scl),
        r_(r),
        px_per_rad_(scl / rd),
        sin_ss_(std::sin(ss)),
        cos_ss_(std::cos(ss)),
        // The error bounds below hold for pixels within 1e4 of the origin.
        fast_pixels_(std::fabs(x0) <= 1e4 && std::fabs(y0) <= 1e4 && scl >= 0 && scl * 180 <= 1e4) {
    for (int h = 0; h < n_alt; ++h) {
      sin_h_[h] = std::sin(h * rd);
      cos_h_[h] = std::cos(h * rd);
    }
    for (int a = 0; a < n_az; ++a) {
      const double dl = a * rd - sl;
      sin_dl_[a] = std::sin(dl);
      cos_dl_[a] = std::cos(dl);
    }
  }

  // The count nodes of a grid line, the k-th at azimuth a0 + k da and
  // altitude h0 + k dh (degrees), into out. The arithmetic without branches
  // runs over the whole line first, so that neighbouring nodes are worked
  // on together.
  void line(int a0, int da, int h0, int dh, int count, Node* out) const {
    std::array<double, n_az> sh, ch, sd, cd;
    for (int k = 0; k < count; ++k) {
      const int a = a0 + k * da, h = h0 + k * dh;
      sh[k] = sin_h_[h];
      ch[k] = cos_h_[h];
      sd[k] = sin_dl_[a];
      cd[k] = cos_dl_[a];
    }
    std::array<double, n_az> u, v, w, q, eighths, series;
    for (int k = 0; k < count; ++k) {
      // prj's vector, term for term.
      u[k] = sh[k] * cos_ss_ - sin_ss_ * ch[k] * cd[k];
      v[k] = ch[k] * sd[k];
      w[k] = sh[k] * sin_ss_ + cos_ss_ * ch[k] * cd[k];
      q[k] = std::sqrt(u[k] * u[k] + v[k] * v[k]);
      const double aw = std::fabs(w[k]);
      const AtanParts parts = atan_parts(std::min(q[k], aw), std::max(q[k], aw));
      eighths[k] = parts.eighths;
      series[k] = parts.series;
    }
    for (int k = 0; k < count; ++k) {
      const double d = polar_distance_of_parts(q[k], w[k], {eighths[k], series[k]});
      out[k] = node(a0 + k * da, h0 + k * dh, u[k], v[k], w[k], q[k], d);
    }
  }

 private:
  // The node at azimuth a and altitude h (degrees), whose vector is u, v, w,
  // q = |(u, v)|, with d its quick polar distance.
  Node node(int a, int h, double u, double v, double w, double q, double d) const {
    Node n;
    const double limit = r_ + 0.1;
    if (std::fabs(d * deg_per_rad - limit) > edge_tolerance) {
      n.in_field = d * deg_per_rad < limit;
    } else {  // at the field's edge, or not a number
      d = tri(u, v, w).d;
      n.in_field = d / rd < limit;
    }
    if (!n.in_field) return n;

    // The position angle's cosine and sine are v / q and u / q. They differ
    // from prj's cos and sin of the angle (taken with the 15-digit pi) by
    // less than 1e-13, times at most 1e4 pixels of distance; the polar
    // distance's error adds under 1e-10 pixels: all far below the guard
    // band. A coordinate that comes within the band of a half pixel, where
    // rounding could tell them apart, is taken from prj itself.
    if (fast_pixels_ && q > min_radius) {
      const double s = d * px_per_rad_ / q;
      const double x = x0_ + s * v, y = y0_ - s * u;
      if (clear_of_half(x) && clear_of_half(y)) {
        n.px = std::rint(x);
        n.py = std::rint(y);
        return n;
      }
    }
    const Projected p = prj(ss_, sl_, x0_, y0_, scl_, h * rd, a * rd);
    n.px = std::rint(p.xp);
    n.py = std::rint(p.yp);
    return n;
  }

  static constexpr double deg_per_rad = 1 / rd;
  // Degrees; far above the quick distance's error and the rounding of d / rd.
  static constexpr double edge_tolerance = 1e-9;
  static constexpr double guard = 1e-6;       // pixels
  static constexpr double min_radius = 1e-6;  // below it v / q and u / q are ill-conditioned
  static bool clear_of_half(double x) {
    return std::fabs(std::fabs(x - std::rint(x)) - 0.5) > guard;
  }

  double ss_, sl_, x0_, y0_, scl_, r_, px_per_rad_;
  double sin_ss_, cos_ss_;
  bool fast_pixels_;
  std::array<double, n_alt> sin_h_, cos_h_;
  std::array<double, n_az> sin_dl_, cos_dl_;
};

// The segments of a grid line: from each node back to the one before it,
// where both belong to the field; the runs of such nodes go out as polylines.
void draw_segments(Surface& pic, const Node* nodes, int count, Rgb c) {
  std::array<Point, n_az> run;
  std::size_t n = 0;
  for (int k = 0; k <= count; ++k) {
    if (k < count && nodes[k].in_field) {
      run[n++] = {nodes[k].px, nodes[k].py};
    } else {
      if (n >= 2) pic.polyline(std::span(run.data(), n), c);
      n = 0;
    }
  }
}

}  // namespace

bool sph(Surface& pic, double alt0, double az0, double x0, double y0, double r, double scl,
         Rgb col1, Rgb col2, Rgb col3) {
  const double ss = alt0 * rd;
  const double sl = az0 * rd;
  const NodeProjector projector(ss, sl, x0, y0, scl, r);
  pic.cls();
  // A grid in the background colour (the grid switched off) leaves the
  // cleared surface as it is: its lines are not worked out. None of them
  // could cover a pixel of the horizon, which is drawn after the azimuth
  // lines and lies 10 degrees from the nearest altitude circle: at least
  // 10 scl pixels on the surface, where distances are never shorter than on
  // the sky.
  const bool grid_shows = col1 != pic.back_color() || 10 * std::fabs(scl) < 2;

  // Azimuth lines, horizon to zenith; 0 and 360 coincide and both are drawn.
  std::array<Node, n_az> nodes;
  for (int a = 0; a <= 360 && grid_shows; a += 10) {
    projector.line(a, 0, 0, 1, n_alt, nodes.data());
    draw_segments(pic, nodes.data(), n_alt, col1);
  }

  // Altitude circles; the first is the horizon.
  for (int h = 0; h <= (grid_shows ? 80 : 0); h += 10) {
    projector.line(0, 1, h, 0, n_az, nodes.data());
    draw_segments(pic, nodes.data(), n_az, h == 0 ? col2 : col1);
  }

  pic.set_fore_color(col3);

  // Upper half of the field boundary; near the zenith the horizon bounds it.
  if (std::fabs(alt0 - 90) > 0.5) {
    pic.circle(x0, y0, r * scl, pic.fore_color(), ArcAngles{0, pi}, 1.0);
  }

  // Legend and cardinal points, a point up to half a degree beyond the field.
  return draw_legend_and_cardinal_points(pic, "視線を中心とする半径90ﾟの円", ss, sl, x0, y0, r, scl,
                                         0.5, col2);
}

}  // namespace hz

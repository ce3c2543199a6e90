// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/sky_fill.hpp"

#include <algorithm>
#include <cmath>

#include "common/constants.hpp"

namespace hz {
namespace {

// Cuts the ring where f(p) < 0, f linear in the direction (Sutherland-Hodgman
// against a plane): the sides along the cut run in the plane.
template <class F>
void clip_ring(const std::vector<ViewVec>& in, std::vector<ViewVec>& out, F f) {
  out.clear();
  const std::size_t n = in.size();
  for (std::size_t k = 0; k < n; ++k) {
    const ViewVec& cur = in[k];
    const ViewVec& prev = in[k == 0 ? n - 1 : k - 1];
    const double fc = f(cur), fp = f(prev);
    if ((fc >= 0) != (fp >= 0)) {
      const double t = fp / (fp - fc);
      out.push_back({prev.u + (cur.u - prev.u) * t, prev.v + (cur.v - prev.v) * t,
                     prev.w + (cur.w - prev.w) * t, prev.zenith + (cur.zenith - prev.zenith) * t});
    }
    if (fc >= 0) out.push_back(cur);
  }
}

// cos 2 degrees: a longer side is cut into pieces.
const double piece_cos = std::cos(2 * rd);

}  // namespace

void SkyFill::begin(const FieldGeometry& field) {
  field_ = field;
  edges_.clear();
}

void SkyFill::add_ring(std::span<const ViewVec> ring) {
  // A pixel and a half above the horizon, so the fill stays off the
  // horizon's line; and well away from the point opposite the line of sight,
  // where the projection tears.
  const double above = 1.5 * rd / field_.scl;
  const auto up = [&](const ViewVec& p) { return p.zenith - above; };
  const auto front = [](const ViewVec& p) { return p.w + 0.9; };
  // Most rings need no cut.
  bool whole = true;
  for (const ViewVec& p : ring) whole = whole && up(p) >= 0 && front(p) >= 0;
  // A whole ring is read where it is; a cut one from the cut's own list.
  std::span<const ViewVec> kept = ring;
  if (!whole) {
    scratch_.assign(ring.begin(), ring.end());
    clip_ring(scratch_, clipped_, up);
    if (clipped_.size() < 3) return;
    clip_ring(clipped_, scratch_, front);
    kept = scratch_;
  }
  if (kept.size() < 3) return;

  screen_.clear();
  const double per_radian = pixels_per_radian(field_.scl);
  const std::size_t n = kept.size();
  for (std::size_t k = 0; k < n; ++k) {
    const ViewVec& a = kept[k];
    const ViewVec& b = kept[k + 1 < n ? k + 1 : 0];  // no division a point
    // Unit vectors but where the cut made a point (a chord's, a little
    // shorter): such a side comes out in a piece or two more.
    const double c = a.u * b.u + a.v * b.v + a.w * b.w;
    const int pieces =
        c >= piece_cos ? 1 : static_cast<int>(std::ceil(std::acos(std::max(-1.0, c)) / (2 * rd)));
    for (int i = 0; i < pieces; ++i) {
      const double t = static_cast<double>(i) / pieces;
      const ViewVec p{a.u + (b.u - a.u) * t, a.v + (b.v - a.v) * t, a.w + (b.w - a.w) * t, 0};
      const Projected s = project_view_at(p, field_.x0, field_.y0, per_radian);
      screen_.push_back({s.xp, s.yp});
    }
  }
  for (std::size_t k = 0; k < screen_.size(); ++k) {
    const Point& a = screen_[k];
    const Point& b = screen_[k + 1 < screen_.size() ? k + 1 : 0];
    if (a.y != b.y) edges_.push_back({a.x, a.y, b.x, b.y});
  }
}

const std::vector<PixelSpan>& SkyFill::spans() {
  spans_.clear();
  // The field's disc, one pixel short of its edge.
  const double r = field_.radius * field_.scl - 1;
  const int top = static_cast<int>(std::ceil(field_.y0 - r));
  const int bottom = static_cast<int>(std::floor(field_.y0 + r));
  const int rows = bottom - top + 1;
  // Each row's half-width of the disc, the same for every level of a field.
  const FieldGeometry& h = halves_field_;
  if (h.x0 != field_.x0 || h.y0 != field_.y0 || h.scl != field_.scl || h.radius != field_.radius ||
      halves_.size() != static_cast<std::size_t>(std::max(rows, 0))) {
    halves_field_ = field_;
    halves_.clear();
    for (int y = top; y <= bottom; ++y) {
      const double dy = y - field_.y0;
      halves_.push_back(std::sqrt(std::max(0.0, r * r - dy * dy)));
    }
  }
  // A pixel row y crosses an edge when min(y0, y1) <= y < max(y0, y1). Each
  // edge that crosses a row of the field goes into the bucket of the first,
  // with its x there and its step from row to row; the rows then take the
  // edges on as they reach them (the active edge table).
  bucket_start_.assign(static_cast<std::size_t>(rows) + 1, 0);
  pending_.clear();
  for (const Edge& e : edges_) {
    const double lo = std::min(e.y0, e.y1), hi = std::max(e.y0, e.y1);
    const int first = std::max(static_cast<int>(std::ceil(lo)), top);
    const int last = std::min(static_cast<int>(std::ceil(hi)) - 1, bottom);
    if (first > last) continue;
    const double step = (e.x1 - e.x0) / (e.y1 - e.y0);
    pending_.push_back({e.x0 + step * (first - e.y0), step, first, last});
    ++bucket_start_[static_cast<std::size_t>(first - top) + 1];
  }
  for (int k = 0; k < rows; ++k) bucket_start_[k + 1] += bucket_start_[k];
  order_.resize(pending_.size());
  fill_at_.assign(bucket_start_.begin(), bucket_start_.end() - 1);
  for (std::size_t k = 0; k < pending_.size(); ++k)
    order_[fill_at_[static_cast<std::size_t>(pending_[k].first - top)]++] = k;

  active_.clear();
  std::size_t next = 0;
  for (int y = top; y <= bottom; ++y) {
    for (const std::size_t end = bucket_start_[y - top + 1]; next < end; ++next)
      active_.push_back(pending_[order_[next]]);
    if (active_.empty()) {
      if (next == pending_.size()) break;
      continue;
    }
    // The active edges in order of x: nearly so from the row before, so an
    // insertion sort does it in a pass or two.
    for (std::size_t k = 1; k < active_.size(); ++k) {
      const ActiveEdge a = active_[k];
      std::size_t j = k;
      for (; j > 0 && active_[j - 1].x > a.x; --j) active_[j] = active_[j - 1];
      active_[j] = a;
    }
    crossings_.clear();
    std::size_t kept = 0;
    for (std::size_t k = 0; k < active_.size(); ++k) {
      // Read whole and written whole: a field written alone and then read
      // back with its neighbour stalls.
      const ActiveEdge a = active_[k];
      crossings_.push_back(a.x);
      if (y < a.last) active_[kept++] = {a.x + a.step, a.step, a.first, a.last};
    }
    active_.resize(kept);
    if (crossings_.size() < 2) continue;
    const double half = halves_[static_cast<std::size_t>(y - top)];
    const double lo = field_.x0 - half, hi = field_.x0 + half;
    for (std::size_t k = 0; k + 1 < crossings_.size(); k += 2) {
      const double a = std::max(crossings_[k], lo), b = std::min(crossings_[k + 1], hi);
      // The pixels whose centres lie in [a, b).
      const int x0 = static_cast<int>(std::ceil(a));
      const int x1 = static_cast<int>(std::ceil(b)) - 1;
      if (x0 <= x1) spans_.push_back({y, x0, x1});
    }
  }
  return spans_;
}

}  // namespace hz

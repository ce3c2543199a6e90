// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of one move of a drag on the sky: the line of sight that keeps the
// grabbed direction under the pointer, at zoom 1 and 4, looking halfway up
// and near the zenith.
#include <benchmark/benchmark.h>

#include "steer/grab_view.hpp"

namespace {

void BM_GrabView(benchmark::State& state, hz::HorizonDirection view, double zoom) {
  const hz::FieldGeometry g = hz::field_geometry(zoom);
  const hz::HorizonDirection grabbed = *hz::direction_at(300, 300, view, g);
  double x = 300;
  for (auto _ : state) {
    x = x < 340 ? x + 1 : 300;  // the pointer moving, a pixel a move
    benchmark::DoNotOptimize(hz::grab_view(grabbed, x, 310, view, g));
  }
}
BENCHMARK_CAPTURE(BM_GrabView, HalfwayUp, hz::HorizonDirection{45, 180}, 1.0);
BENCHMARK_CAPTURE(BM_GrabView, NearZenithZoomed, hz::HorizonDirection{89.5, 0}, 4.0);

}  // namespace

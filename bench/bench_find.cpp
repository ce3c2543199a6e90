// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of finding an object: the lookup by name (the last of the list, a
// constellation, is the longest), its direction in a frame and its next
// rising (the Moon's from up to three almanac days, a star's from hour
// angles). Tokyo on a December night.
#include <benchmark/benchmark.h>

#include "cli/headless_frames.hpp"
#include "cli/render_options.hpp"
#include "steer/sky_target.hpp"

namespace {

// One frame of Tokyo at 21:00 JST on 7 December 2026.
struct TokyoFrame {
  hz::RenderOptions options = std::get<hz::RenderOptions>(hz::parse_render_options(
      {"--place=Tokyo", "--year=2026", "--month=12", "--day=7", "--hour=21"}));
  hz::OptionFields fields{options};
  hz::HeadlessFrames frames{fields};

  TokyoFrame() { frames.driver().start(); }
  const hz::FrameReport& frame() const { return frames.driver().last_frame(); }
};

void BM_FindTargetByName(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(hz::find_target("Vulpecula"));
}
BENCHMARK(BM_FindTargetByName)->Unit(benchmark::kMicrosecond);

void BM_TargetDirectionFaintStar(benchmark::State& state) {
  const TokyoFrame tokyo;
  const hz::SkyTarget t = *hz::find_target("バテン・カイトス");
  for (auto _ : state) benchmark::DoNotOptimize(hz::target_direction(t, tokyo.frame()));
}
BENCHMARK(BM_TargetDirectionFaintStar)->Unit(benchmark::kMicrosecond);

void BM_NextRising(benchmark::State& state, const char* name) {
  const TokyoFrame tokyo;
  const hz::SkyTarget t = *hz::find_target(name);
  for (auto _ : state) benchmark::DoNotOptimize(hz::next_rising(t, tokyo.frame()));
}
BENCHMARK_CAPTURE(BM_NextRising, Moon, "Moon")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NextRising, Sirius, "Sirius")->Unit(benchmark::kMicrosecond);

}  // namespace

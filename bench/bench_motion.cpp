// SPDX-License-Identifier: GPL-3.0-or-later
// What 軌跡 and 動きを描く add to a frame: the same frames as
// BM_DefaultViewGridOff (Tokyo, a December night, a minute a frame) with the
// trails on after the given hours of frames have laid them down, and with a
// 120-day path of Mars. The trails' cost is the difference from
// BM_MotionOff, run alongside.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "cli/headless_frames.hpp"
#include "cli/render_options.hpp"
#include "render_qt/image_surface.hpp"

namespace {

hz::RenderOptions tokyo_night(std::vector<std::string> extra) {
  std::vector<std::string> args = {"--longitude=139.7", "--latitude=35.7", "--year=2026",
                                   "--month=12",        "--day=7",         "--hour=21"};
  args.insert(args.end(), extra.begin(), extra.end());
  return std::get<hz::RenderOptions>(hz::parse_render_options(args));
}

void run_after(benchmark::State& state, hz::RenderOptions options, long frames_before) {
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  for (long n = 0; n <= frames_before; ++n) frames.driver().start();
  for (auto _ : state) frames.driver().start();
  state.counters["trail_pixels"] = static_cast<double>(frames.driver().trails().pixel_count());
}

// range(0): hours of one-minute frames before the timing starts.
void BM_MotionOff(benchmark::State& state) {
  run_after(state, tokyo_night({}), state.range(0) * 60);
}
void BM_TrailsOn(benchmark::State& state) {
  hz::RenderOptions o = tokyo_night({});
  o.frame.trails = true;
  run_after(state, o, state.range(0) * 60);
}
void BM_MarsPath(benchmark::State& state) {
  run_after(state, tokyo_night({"--path=mars", "--days=120"}), 0);
}

// The layer alone set on a frame, after a day of one-minute frames of
// trails: what each frame pays to show them.
void BM_TrailLayerDraw(benchmark::State& state) {
  hz::RenderOptions o = tokyo_night({});
  o.frame.trails = true;
  hz::OptionFields fields(o);
  hz::HeadlessFrames frames(fields);
  for (long n = 0; n <= 24 * 60; ++n) frames.driver().start();
  hz::ImageSurface pic;
  pic.set_back_color(hz::col_night);
  for (auto _ : state) frames.driver().trails().draw(pic);
  state.counters["trail_pixels"] = static_cast<double>(frames.driver().trails().pixel_count());
}

BENCHMARK(BM_TrailLayerDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MotionOff)->Arg(0)->Arg(6)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TrailsOn)->Arg(0)->Arg(6)->Arg(24)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MarsPath)->Unit(benchmark::kMicrosecond);

}  // namespace

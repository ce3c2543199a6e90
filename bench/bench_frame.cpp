// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of whole frames as the window draws them: the bodies, the dome and
// grid, 300 stars, the marks and the caption, on an image surface; and with
// every display option on. Tokyo on a
// December night, a frame a simulated minute as in the window.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>
#include <string>

#include "cli/headless_frames.hpp"
#include "cli/render_options.hpp"
#include "render/dome.hpp"
#include "render_qt/fonts.hpp"
#include "render_qt/image_surface.hpp"
#include "render_qt/offscreen_app.hpp"

namespace {

hz::RenderOptions tokyo_night(std::vector<std::string> extra) {
  std::vector<std::string> args = {"--longitude=139.7", "--latitude=35.7", "--year=2026",
                                   "--month=12",        "--day=7",         "--hour=21"};
  args.insert(args.end(), extra.begin(), extra.end());
  return std::get<hz::RenderOptions>(hz::parse_render_options(args));
}

// Frames one after another with the view fixed.
void run_frames(benchmark::State& state, hz::RenderOptions options) {
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  frames.driver().start();
  for (auto _ : state) frames.driver().start();
}

void BM_DefaultViewGridOff(benchmark::State& state) { run_frames(state, tokyo_night({})); }
void BM_DefaultViewGridOn(benchmark::State& state) { run_frames(state, tokyo_night({"--grid"})); }
void BM_HorizonView(benchmark::State& state) {
  run_frames(state, tokyo_night({"--view-altitude=0", "--view-azimuth=180", "--grid"}));
}

// The grid, the constellation lines, names and boundaries and the stars to
// magnitude 6.
const std::vector<std::string> everything = {"--grid", "--constellation-lines",
                                             "--constellation-names", "--constellation-boundaries",
                                             "--magnitude-limit=6"};

void BM_EverythingOn(benchmark::State& state) { run_frames(state, tokyo_night(everything)); }

// The line of sight turns one degree of azimuth a frame, so every frame draws
// the dome afresh; at the given altitude, grid on (and, with everything,
// all the constellations and the faint stars).
void turning_view(benchmark::State& state, std::vector<std::string> extra) {
  extra.push_back("--view-altitude=" + std::to_string(state.range(0)));
  hz::RenderOptions options = tokyo_night(extra);
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  long az = 180;
  frames.driver().start();
  for (auto _ : state) {
    options.texts[hz::Field::view_azimuth] = std::to_string(++az);
    frames.driver().start();
  }
}

void BM_TurningView(benchmark::State& state) { turning_view(state, {"--grid"}); }
void BM_TurningViewEverythingOn(benchmark::State& state) { turning_view(state, everything); }
void BM_TurningViewZoomed(benchmark::State& state) { turning_view(state, {"--grid", "--zoom=4"}); }

// Every layer at once: the constellations and the faint stars, the equator,
// the ecliptic, the meridian, the equatorial grid, the Milky Way, the stars'
// names and the asterisms.
std::vector<std::string> every_layer() {
  std::vector<std::string> all = everything;
  for (const char* o : {"--equator", "--ecliptic", "--meridian", "--equatorial-grid", "--milky-way",
                        "--star-names", "--asterisms"})
    all.push_back(o);
  return all;
}

void BM_EveryLayerOn(benchmark::State& state) { run_frames(state, tokyo_night(every_layer())); }
void BM_TurningViewEveryLayerOn(benchmark::State& state) { turning_view(state, every_layer()); }

// Magnified four times, the grid on, the view fixed.
void BM_ZoomedView(benchmark::State& state) {
  run_frames(state, tokyo_night({"--grid", "--zoom=4", "--view-altitude=45"}));
}

// A drag of the sky with the mouse: the line of sight moves by a fraction
// of a degree in altitude and azimuth every frame, everything else as at
// start (grid off, zoom 1), so every frame draws the dome afresh.
void BM_DraggingView(benchmark::State& state) {
  hz::RenderOptions options = tokyo_night({});
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  frames.driver().start();
  long k = 0;
  for (auto _ : state) {
    ++k;
    options.texts[hz::Field::view_altitude] = std::to_string(45 + 20 * std::sin(k * 0.01));
    options.texts[hz::Field::view_azimuth] = std::to_string(180 + 0.37 * static_cast<double>(k));
    frames.driver().start();
  }
}

// The dome alone, drawn afresh for a view turning a degree a call.
void BM_DomeAlone(benchmark::State& state) {
  hz::ImageSurface pic;
  pic.set_back_color(hz::col_night);
  double az = 180;
  for (auto _ : state) {
    hz::sph(pic, 90, ++az, hz::xc_sky, hz::yc_sky, hz::r_sky, hz::scl_sky, hz::col_grid,
            hz::col_hor, hz::col_text);
  }
}

BENCHMARK(BM_DomeAlone)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DefaultViewGridOff)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DefaultViewGridOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HorizonView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurningView)->Arg(90)->Arg(45)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ZoomedView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DraggingView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurningViewZoomed)->Arg(90)->Arg(45)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EverythingOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurningViewEverythingOn)->Arg(90)->Arg(45)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EveryLayerOn)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurningViewEveryLayerOn)->Arg(90)->Arg(45)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  hz::OffscreenApp<QGuiApplication> app(argv[0]);
  hz::install_font_substitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

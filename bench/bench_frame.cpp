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
#include "frame/chart_title.hpp"
#include "render/dome.hpp"
#include "render/svg_chart.hpp"
#include "render/vector_surface.hpp"
#include "render_qt/chart_page.hpp"
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
// the dome afresh.
void turn_each_frame(benchmark::State& state, hz::RenderOptions options) {
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  long az = 180;
  frames.driver().start();
  for (auto _ : state) {
    options.texts[hz::Field::view_azimuth] = std::to_string(++az);
    frames.driver().start();
  }
}
// At the given altitude, grid on (and, with everything, all the
// constellations and the faint stars).
void turning_view(benchmark::State& state, std::vector<std::string> extra) {
  extra.push_back("--view-altitude=" + std::to_string(state.range(0)));
  turn_each_frame(state, tokyo_night(extra));
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

// The frames of the window at a screen's pixel ratio (the argument): the
// grid on and the view fixed, or turning a degree a frame so that the dome
// is drawn afresh each time. A 2x frame has four times the pixels.
void BM_GridOnAtRatio(benchmark::State& state) {
  run_frames(state, tokyo_night({"--grid", "--pixel-ratio=" + std::to_string(state.range(0))}));
}
void BM_TurningViewAtRatio(benchmark::State& state) {
  hz::RenderOptions options = tokyo_night({"--grid", "--view-altitude=45"});
  options.frame.pixel_ratio = static_cast<double>(state.range(0));
  turn_each_frame(state, options);
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
BENCHMARK(BM_GridOnAtRatio)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TurningViewAtRatio)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// A star chart of the frame with everything on, in the print style, as
// hoshizora-render --svg (0) or --pdf (1) makes it: the frame drawn again as
// shapes, then written out whole (an A4 page for the PDF).
void BM_ChartEverythingOn(benchmark::State& state) {
  hz::RenderOptions options = tokyo_night(everything);
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  frames.driver().start();
  std::size_t bytes = 0;
  for (auto _ : state) {
    hz::VectorSurface chart;
    const hz::FrameReport& frame = frames.driver().last_frame();
    const std::string title = hz::chart_title(frames.driver().draw_copy(chart, frame), "");
    if (state.range(0) == 0) {
      bytes = hz::svg_chart(chart.drawing(), hz::ChartStyle::print, title).size();
    } else {
      const auto pdf = hz::pdf_chart(chart.drawing(), hz::ChartStyle::print, title, hz::Paper::a4);
      bytes = pdf ? static_cast<std::size_t>(pdf->size()) : 0;
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ChartEverythingOn)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
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

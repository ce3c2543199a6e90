// Timing of whole frames as the window draws them: the bodies, the dome and
// grid, 300 stars, the marks and the caption, on an image surface.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "cli/headless_frames.hpp"
#include "cli/offscreen_app.hpp"
#include "cli/render_options.hpp"
#include "render/fonts.hpp"

namespace {

void BM_WholeFrame(benchmark::State& state) {
  const auto parsed =
      hz::parse_render_options({"--longitude=139.7", "--latitude=35.7", "--year=2026", "--month=12",
                                "--day=7", "--hour=21"});
  hz::RenderOptions options = std::get<hz::RenderOptions>(parsed);
  options.option1 = state.range(0) != 0;  // the grid drawn or drawn in the sky colour
  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  frames.driver().command1_click();
  for (auto _ : state) frames.driver().command1_click();
}
BENCHMARK(BM_WholeFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  hz::OffscreenApp<QGuiApplication> app(argv[0]);
  hz::install_font_substitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// hoshizora-render: the planetarium's frames without a window.
#include <QGuiApplication>
#include <QImage>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "cli/headless_frames.hpp"
#include "cli/object_table.hpp"
#include "cli/render_options.hpp"
#include "render_qt/fonts.hpp"
#include "render_qt/offscreen_app.hpp"
#include "render_qt/png_image.hpp"

namespace {

// Qt's PNG quality 80 is zlib level 1: a sky of few colours, in a palette,
// packs nearly as small as at the default level, in a fraction of the time.
// The pixels are the same at every level.
constexpr int png_quality = 80;

// Writes a text output to its file, or to standard output for "-".
template <class Write>
int write_text(const std::string& path, Write write) {
  if (path == "-") {
    write(std::cout);
    std::cout.flush();
    return std::cout ? 0 : 1;
  }
  std::ofstream file(path);
  write(file);
  file.close();
  if (!file) {
    std::cerr << "hoshizora-render: cannot write " << path << '\n';
    return 1;
  }
  return 0;
}

int write_outputs(const hz::RenderOptions& o, const hz::HeadlessFrames& frames) {
  const hz::FrameDriver& driver = frames.driver();
  if (o.png && !hz::png_ready(frames.drawn().image())
                    .save(QString::fromStdString(*o.png), "PNG", png_quality)) {
    std::cerr << "hoshizora-render: cannot write " << *o.png << '\n';
    return 1;
  }
  if (o.table && write_text(*o.table, [&](std::ostream& out) {
                   hz::write_object_table(out, driver.last_frame(), driver.stars());
                 }) != 0) {
    return 1;
  }
  if (o.constellation_table && write_text(*o.constellation_table, [&](std::ostream& out) {
                                 hz::write_constellation_table(out, driver.last_frame());
                               }) != 0) {
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = hz::parse_render_options(args);
  if (const auto* error = std::get_if<std::string>(&parsed)) {
    std::cerr << "hoshizora-render: " << *error << "\n(see hoshizora-render --help)\n";
    return 2;
  }
  const auto& options = std::get<hz::RenderOptions>(parsed);
  if (options.help) {
    std::cout << hz::render_usage();
    return 0;
  }
  if (options.version) {
    std::cout << "hoshizora-render " HOSHIZORA_VERSION "\n";
    return 0;
  }

  hz::OffscreenApp<QGuiApplication> app(argv[0]);
  hz::install_font_substitutes();

  hz::OptionFields fields(options);
  hz::HeadlessFrames frames(fields);
  for (long n = 0; n < options.frames; ++n) {
    if (const auto refusal = frames.driver().command1_click()) {
      std::cerr << "hoshizora-render: cannot start: " << refusal->message_en << '\n';
      return 2;
    }
  }
  return write_outputs(options, frames);
}

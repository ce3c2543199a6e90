// SPDX-License-Identifier: GPL-3.0-or-later
// hoshizora-render: the planetarium's frames without a window.
#include <QGuiApplication>
#include <QImage>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/almanac_table.hpp"
#include "cli/headless_frames.hpp"
#include "cli/object_table.hpp"
#include "cli/place_find_options.hpp"
#include "cli/progress_line.hpp"
#include "cli/render_options.hpp"
#include "frame/chart_title.hpp"
#include "frame/field_table.hpp"
#include "output/safe_write.hpp"
#include "output/std_streams.hpp"
#include "render/svg_chart.hpp"
#include "render/vector_surface.hpp"
#include "render_qt/chart_page.hpp"
#include "render_qt/fonts.hpp"
#include "render_qt/japanese_font.hpp"
#include "render_qt/offscreen_app.hpp"
#include "render_qt/png_encode.hpp"
#include "steer/almanac_moment.hpp"
#include "steer/find_view.hpp"
#include "text/decimal_text.hpp"

namespace {

// Qt's PNG quality 80 is zlib level 1: a sky of few colours, in a palette,
// packs nearly as small as at the default level, in a fraction of the time.
// The pixels are the same at every level.
constexpr int png_quality = 80;

// Says why a file could not be written; false then.
bool written(const std::optional<hz::WriteError>& error) {
  if (!error) return true;
  std::cerr << "hoshizora-render: " << hz::write_error_text(*error) << '\n';
  return false;
}

// Each output is made whole in memory, then written by the one writer; one
// that fails does not keep the other from being written.
int write_outputs(const hz::RenderOptions& o, const hz::HeadlessFrames* frames,
                  const std::optional<std::string>& almanac) {
  bool ok = true;
  if (almanac) ok = written(hz::write_file(*o.almanac, *almanac)) && ok;
  if (!frames) return ok ? 0 : 1;
  if (o.png) {
    const auto png = hz::png_encode(frames->drawn().image(), png_quality);
    if (!png) {
      std::cerr << "hoshizora-render: cannot write " << *o.png << ": the image cannot be encoded\n";
      ok = false;
    } else {
      ok = written(hz::write_file(*o.png, std::string_view(png->constData(), png->size()))) && ok;
    }
  }
  if (o.svg || o.pdf) {
    // The last frame drawn once more, as shapes.
    const hz::FrameDriver& driver = frames->driver();
    hz::VectorSurface chart;
    const hz::FrameReport frame = driver.draw_copy(chart, driver.last_frame());
    const std::string title =
        o.style == hz::ChartStyle::print ? hz::chart_title(frame, o.place_name) : "";
    if (o.svg) {
      ok = written(hz::write_file(*o.svg, hz::svg_chart(chart.drawing(), o.style, title))) && ok;
    }
    if (o.pdf) {
      const auto pdf = hz::pdf_chart(chart.drawing(), o.style, title, o.paper);
      if (!pdf) {
        std::cerr << "hoshizora-render: cannot write " << *o.pdf << ": the page cannot be made\n";
        ok = false;
      } else {
        ok = written(hz::write_file(*o.pdf, std::string_view(pdf->constData(), pdf->size()))) && ok;
      }
    }
  }
  if (o.table) {
    const hz::FrameDriver& driver = frames->driver();
    std::ostringstream table;
    hz::write_object_table(table, driver.last_frame(), driver.stars());
    ok = written(hz::write_file(*o.table, table.view())) && ok;
  }
  if (o.constellation_table) {
    std::ostringstream table;
    hz::write_constellation_table(table, frames->driver().last_frame());
    ok = written(hz::write_file(*o.constellation_table, table.view())) && ok;
  }
  return ok ? 0 : 1;
}

// --find: the first frame drawn again with the view on the object, ringed;
// below the horizon it is drawn all the same and standard error says so.
void centre_on(const hz::SkyTarget& t, hz::FrameDriver& driver, hz::RenderOptions& o) {
  const hz::TargetView v = hz::view_toward(t, driver.last_frame());
  if (v.below_horizon) {
    const std::string& name = t.name_en.empty() ? t.name_ja : t.name_en;
    std::cerr << "hoshizora-render: " << (t.name_ja.empty() ? t.name_en : t.name_ja) << ": "
              << hz::below_horizon_text(v.rising) << "\nhoshizora-render: " << name << " is "
              << hz::below_horizon_text_en(v.rising) << '\n';
  }
  o.texts[hz::Field::view_altitude] = hz::fixed_text(v.direction.alt_deg, 6);
  o.texts[hz::Field::view_azimuth] = hz::fixed_text(v.direction.az_deg, 6);
  o.frame.marked = hz::mark_of(t);  // ringed as the window rings it
  driver.redraw();
}

// Standard output for --help and --version, checked like any output.
int print(const std::string& text) { return written(hz::write_file("-", text)) ? 0 : 1; }

}  // namespace

int main(int argc, char** argv) {
  hz::prepare_output();
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = hz::parse_render_options(args);
  const auto* options = std::get_if<hz::RenderOptions>(&parsed);
  const std::optional<std::string> error =
      options ? hz::output_clash(*options) : std::get<std::string>(parsed);
  if (error) {
    std::cerr << "hoshizora-render: " << *error << "\n(see hoshizora-render --help)\n";
    return 2;
  }
  if (options->help) return print(hz::render_usage());
  if (options->version) return print("hoshizora-render " HOSHIZORA_VERSION "\n");
  if (options->list_places) return print(hz::place_list_text());

  hz::RenderOptions fields_now = *options;  // --find turns the view after the first frame
  hz::OptionFields fields(fields_now);
  // A field that does not begin with a number reads as 0, as in the window,
  // which says so beside the fields.
  for (const hz::FieldReadAsZero& f : hz::fields_read_as_zero(fields)) {
    std::cerr << "hoshizora-render: " << f.message_ja << "\nhoshizora-render: " << f.message_en
              << '\n';
  }
  // The almanac is made before anything is drawn or written: a start it
  // cannot use is refused as the frames' Start refuses it.
  std::optional<std::string> almanac;
  if (options->almanac) {
    const auto day = hz::typed_almanac_moment(fields);
    if (const auto* refusal = std::get_if<hz::AlmanacRefusal>(&day)) {
      std::cerr << "hoshizora-render: " << refusal->message_en << '\n';
      return 2;
    }
    almanac = hz::almanac_table(std::get<hz::PlaceAndMoment>(day), options->days);
    if (!almanac) {
      std::cerr << "hoshizora-render: cannot make the almanac: the calendar has no such days\n";
      return 2;
    }
    if (!hz::wants_frame(*options)) return write_outputs(*options, nullptr, almanac);
  }

  hz::OffscreenApp<QGuiApplication> app(argv[0]);
  hz::install_font_substitutes();
  hz::warn_without_japanese_font("hoshizora-render");

  hz::HeadlessFrames frames(fields);
  {
    hz::ProgressLine progress(options->frames);
    for (long n = 0; n < options->frames; ++n) {
      if (const auto refusal = frames.driver().start()) {
        std::cerr << "hoshizora-render: cannot start: " << refusal->message_en << '\n';
        return 2;
      }
      if (n == 0 && options->find) centre_on(*options->find, frames.driver(), fields_now);
      progress.frame_done(n + 1);
    }
  }
  return write_outputs(*options, &frames, almanac);
}

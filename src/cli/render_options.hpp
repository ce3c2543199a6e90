// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "frame/field_table.hpp"
#include "render/chart_style.hpp"
#include "steer/sky_target.hpp"
#include "time/jst_now.hpp"

namespace hz {

// The headless renderer's command line.
struct RenderOptions {
  FieldTexts texts;                                // the fields, as text
  FrameOptions frame;                              // --grid, --daytime-stars ...
  long frames = 1;                                 // --frames
  std::optional<std::string> png;                  // --png FILE, "-" for standard output
  std::optional<std::string> table;                // --table FILE, "-" for standard output
  std::optional<std::string> constellation_table;  // --constellation-table FILE
  std::optional<std::string> almanac;              // --almanac FILE, "-" for standard output
  long days = 1;                                   // --days, for --almanac
  std::optional<std::string> svg;                  // --svg FILE, "-" for standard output
  std::optional<std::string> pdf;                  // --pdf FILE, "-" for standard output
  ChartStyle style = ChartStyle::screen;           // --style, of --svg and --pdf
  Paper paper = Paper::a4;                         // --paper, of --pdf
  std::string place_name;         // of --place, while no field of the place is typed after it
  bool list_places = false;       // --place list
  std::optional<SkyTarget> find;  // --find NAME
  bool help = false;
  bool version = false;  // --version
};

// Parses the arguments after the program name; an error text on bad usage.
// now: the present minute in JST, for --now (by default the computer's clock).
std::variant<RenderOptions, std::string> parse_render_options(const std::vector<std::string>& args,
                                                              const JstMinute& now);
std::variant<RenderOptions, std::string> parse_render_options(const std::vector<std::string>& args);

// Whether a frame is to be drawn: an output of one is asked for.
bool wants_frame(const RenderOptions& o);

// Why the outputs cannot be written as asked: two of --png, --svg, --pdf,
// --table, --constellation-table and --almanac naming one file (by name, or the same file by
// another name); nothing when they can.
// Looks at the file system, and changes nothing there.
std::optional<std::string> output_clash(const RenderOptions& o);

// The --help text.
std::string render_usage();

// Fields read from parsed options, for the frame driver.
class OptionFields : public FieldReader {
 public:
  explicit OptionFields(const RenderOptions& o) : options_(o) {}
  std::string text(Field f) const override { return options_.texts.at(f); }
  FrameOptions options() const override { return options_.frame; }

 private:
  const RenderOptions& options_;
};

}  // namespace hz

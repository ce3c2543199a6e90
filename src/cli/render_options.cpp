// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_options.hpp"

#include <charconv>
#include <chrono>
#include <cmath>
#include <string_view>

#include "cli/almanac_table.hpp"
#include "cli/place_find_options.hpp"
#include "frame/field_table.hpp"
#include "frame/view_zoom.hpp"
#include "output/same_output.hpp"

namespace hz {
namespace {

constexpr long kMaxFrames = 10000000;
// What --magnitude-limit accepts: the extended table ends at 6.0, and below
// -2 not even Sirius is left.
constexpr double kFaintestLimit = 6.0;
constexpr double kBrightestLimit = -2.0;

// The science lesson's pictures, each a switch of the frame options.
struct LessonSwitch {
  std::string_view option;
  bool FrameOptions::*member;
};
constexpr LessonSwitch lesson_switches[] = {
    {"--equator", &FrameOptions::equator},
    {"--ecliptic", &FrameOptions::ecliptic},
    {"--meridian", &FrameOptions::meridian},
    {"--equatorial-grid", &FrameOptions::equatorial_grid},
    {"--milky-way", &FrameOptions::milky_way},
    {"--star-names", &FrameOptions::star_names},
    {"--asterisms", &FrameOptions::asterisms},
};

std::string padded(std::string s, std::size_t width) {
  if (s.size() < width) s.resize(width, ' ');
  return s;
}

// One option of --help: the option in a column of 22, then its text, the
// default after the text's first line, continued lines indented.
std::string usage_entry(const std::string& option, std::string_view help,
                        const std::string& default_text) {
  constexpr std::size_t option_column = 2 + 22, help_width = 42;
  const std::size_t nl = help.find('\n');
  std::string out = padded("  " + option, option_column) + std::string(help.substr(0, nl));
  if (!default_text.empty()) out = padded(out, option_column + help_width) + default_text;
  out += '\n';
  if (nl != std::string_view::npos) {
    out += std::string(option_column, ' ') + std::string(help.substr(nl + 1)) + '\n';
  }
  return out;
}

// An argument that is an option, not a value: "--..." and "-h". A lone "-"
// (standard output) and a negative number are values.
bool is_option(const std::string& arg) { return arg.rfind("--", 0) == 0 || arg == "-h"; }

// A whole number from 1 to most, digits only.
std::optional<long> parse_count(const std::string& s, long most) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  long n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > most) return std::nullopt;
  return n;
}

// A decimal number from lo to hi (a magnitude limit, a zoom).
std::optional<double> parse_in_range(const std::string& s, double lo, double hi) {
  double v = 0;
  const char* begin = s.data() + (s.rfind('+', 0) == 0 ? 1 : 0);  // "+5" as 5
  const char* end = s.data() + s.size();
  const auto [ptr, ec] = std::from_chars(begin, end, v);
  if (ec != std::errc() || ptr != end || !std::isfinite(v)) return std::nullopt;
  if (v > hi || v < lo) return std::nullopt;
  return v;
}

}  // namespace

std::variant<RenderOptions, std::string> parse_render_options(
    const std::vector<std::string>& args) {
  return parse_render_options(args, jst_minute(std::chrono::system_clock::now()));
}

std::variant<RenderOptions, std::string> parse_render_options(const std::vector<std::string>& args,
                                                              const JstMinute& now) {
  RenderOptions o;
  o.texts = default_field_texts();
  bool days_given = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    // The value of an option: after '=', whatever it is, or the next
    // argument unless that is another option ("-3" is a value).
    auto take_value = [&]() -> std::optional<std::string> {
      if (value) return value;
      if (i + 1 < args.size() && !is_option(args[i + 1])) return args[++i];
      return std::nullopt;
    };

    if (name == "--help" || name == "-h" || name == "--version" || name == grid_group.option ||
        name == day_stars_group.option) {
      if (value) return name + " takes no value";
      if (name == "--version")
        o.version = true;
      else if (name == grid_group.option)
        o.frame.grid = true;
      else if (name == day_stars_group.option)
        o.frame.stars_by_day = true;
      else
        o.help = true;
      continue;
    }

    if (name == "--constellation-lines" || name == "--constellation-names" ||
        name == "--constellation-boundaries") {
      if (value) return name + " takes no value";
      FrameOptions& f = o.frame;
      (name == "--constellation-lines"   ? f.constellation_lines
       : name == "--constellation-names" ? f.constellation_names
                                         : f.constellation_boundaries) = true;
      continue;
    }

    bool lesson = false;
    for (const LessonSwitch& l : lesson_switches) {
      if (name != l.option) continue;
      if (value) return name + " takes no value";
      o.frame.*l.member = true;
      lesson = true;
    }
    if (lesson) continue;

    bool known = false;
    for (const FieldInfo& f : field_table) {
      if (name != f.option) continue;
      known = true;
      const auto v = take_value();
      if (!v) return name + " needs a value";
      o.texts[f.field] = *v;
    }
    if (known) continue;
    if (auto taken = parse_place_find_option(name, value.has_value(), take_value, now, o)) {
      if (!taken->empty()) return *taken;
      continue;
    }

    if (name == "--frames") {
      const auto v = take_value();
      const auto n = v ? parse_count(*v, kMaxFrames) : std::nullopt;
      if (!n) return "--frames needs a whole number from 1 to " + std::to_string(kMaxFrames);
      o.frames = *n;
    } else if (name == "--days") {
      const auto v = take_value();
      const auto n = v ? parse_count(*v, max_almanac_days) : std::nullopt;
      if (!n) {
        return "--days needs a whole number from 1 to " + std::to_string(max_almanac_days) +
               ", not '" + v.value_or("") + "'";
      }
      o.days = *n;
      days_given = true;
    } else if (name == "--magnitude-limit") {
      const auto v = take_value();
      const auto m = v ? parse_in_range(*v, kBrightestLimit, kFaintestLimit) : std::nullopt;
      if (!m) return "--magnitude-limit needs a number from -2 to 6, not '" + v.value_or("") + "'";
      o.frame.magnitude_limit = *m;
    } else if (name == "--zoom") {
      const auto v = take_value();
      const auto z = v ? parse_in_range(*v, min_zoom, max_zoom) : std::nullopt;
      if (!z) return "--zoom needs a number from 1 to 16, not '" + v.value_or("") + "'";
      o.frame.zoom = *z;
    } else if (name == "--step") {
      const auto v = take_value();
      const auto s = v ? parse_time_step(*v) : std::nullopt;
      if (!s) {
        return "--step needs one of 10s, 1m, 10m, 1h, 1d, 1sd (a leading - runs backward), not '" +
               v.value_or("") + "'";
      }
      // Frames drawn as fast as they can be have no real time between them.
      if (s->real_time) return "--step real follows the computer's clock: only the window has it";
      o.frame.step = *s;
    } else if (name == "--constellation-table") {
      const auto v = take_value();
      if (!v || v->empty()) return name + " needs a file";
      o.constellation_table = *v;
    } else if (name == "--almanac") {
      const auto v = take_value();
      if (!v || v->empty()) return name + " needs a file";
      o.almanac = *v;
    } else if (name == "--png" || name == "--table") {
      const auto v = take_value();
      if (!v || v->empty()) return name + " needs a file";
      (name == "--png" ? o.png : o.table) = *v;
    } else {
      return "unknown option: " + args[i];
    }
  }
  if (days_given && !o.almanac) return "--days is the length of --almanac, which is not given";
  return o;
}

std::optional<std::string> output_clash(const RenderOptions& o) {
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--png", &o.png},
      {"--table", &o.table},
      {"--constellation-table", &o.constellation_table},
      {"--almanac", &o.almanac}};
  for (std::size_t a = 0; a < std::size(outputs); ++a) {
    for (std::size_t b = a + 1; b < std::size(outputs); ++b) {
      const auto& first = *outputs[a].second;
      const auto& second = *outputs[b].second;
      if (first && second && same_output(*first, *second)) {
        return std::string(outputs[a].first) + " and " + outputs[b].first +
               " name the same file: " + *second;
      }
    }
  }
  return std::nullopt;
}

std::string render_usage() {
  std::string usage = R"(Usage: hoshizora-render [OPTIONS]

Draws hoshizora's sky without a window: the same frames as the planetarium
window, as if Start were pressed --frames times.

The window's fields. Each value is read exactly as the window reads what is
typed: blanks are ignored, the leading decimal number is taken, anything else
reads as 0. A value is the next argument, a negative number too, unless that
is another option (--...); write --name=VALUE for a value that begins with
-- or for an empty text.
)";
  for (const FieldInfo& f : field_table) {
    usage += usage_entry(std::string(f.option) + ' ' + f.value_name, f.help_en,
                         std::string("(default \"") + f.default_text + "\")");
  }
  for (const OptionGroupInfo* g : {&grid_group, &day_stars_group}) {
    usage += usage_entry(g->option, g->help_en, "");
  }
  usage += place_find_usage();
  usage += R"(
The constellations and the faint stars (the window's 表示 group), all off by
default, hidden by day like the stars unless --daytime-stars is given:
  --constellation-lines       draw the constellation figures (星座線)
  --constellation-names       write the constellations' Japanese names (星座名)
  --constellation-boundaries  draw the IAU boundaries, dotted (星座の境界)
  --magnitude-limit M         draw the stars to magnitude M, from -2 to 6
                              (6等星まで is 6): the built-in 300 fainter than
                              M are left out, and the 4,741 stars of the
                              extended table to M are added
  --constellation-table FILE  write the 88 constellations' label points as
                              TSV ("-" for standard output): a header, then
                              abbr ja latin alt_rad az_rad xp yp drawn, one row
                              per constellation (xp, yp empty outside the
                              field; drawn 1 when its name was written)

The pictures of the science lesson, all off by default, beneath the stars and
hidden by day like them unless --daytime-stars is given:
  --equator                   draw the celestial equator (天の赤道)
  --ecliptic                  draw the ecliptic (黄道), 春分点 and 秋分点 ringed
                              and named
  --meridian                  draw the meridian (子午線), north point to south
                              point through the zenith
  --equatorial-grid           draw right ascension every hour and declination
                              every 10 degrees (赤経・赤緯線), labelled
  --milky-way                 fill the Milky Way (天の川) in its five
                              brightness levels, faintly
  --star-names                name the bright stars in Japanese (星の名前)
  --asterisms                 draw 夏の大三角, 冬の大三角, 春の大曲線,
                              春の大三角, 北斗七星, 秋の四辺形 and カシオペヤ座のW
                              with their names (星の並び)
)";
  usage += R"(
The almanac (暦), by the rules of Japanese almanacs:
  --almanac FILE        write the almanac of the place for --days days from
                        the start date (JST) as TSV ("-" for standard
                        output): a header, then one row per event, days in
                        order, events in time order within a day:
                        date body event time_jst azimuth_deg altitude_deg
                        value; body is the English name of --table; event
                        is rise, set, transit, civil_dawn, civil_dusk,
                        nautical_dawn, nautical_dusk, astronomical_dawn,
                        astronomical_dusk, new_moon, first_quarter,
                        full_moon, last_quarter or moon_age (at 12:00 JST,
                        the age in value); time_jst YYYY-MM-DD HH:MM:SS; the
                        altitude is the centre's, without refraction. An
                        event that does not happen on a day has no row.
                        Without --png, --table or --constellation-table no
                        frame is drawn
  --days N              days of --almanac, 1 to 36600             (default 1)
)";
  usage += R"(
Running and output:
  --frames N            run N frames, each one step on            (default 1)
  --step S              how far each frame moves the clock: 10s, 1m, 10m,
                        1h, 1d or 1sd (a sidereal day, 23 h 56 m 4.09 s: the
                        stars stand still); a leading - runs backward
                        (--step -1h or --step=-1h)               (default 1m)
  --zoom Z              magnify the view Z times, 1 to 16: the field shows
                        90/Z degrees around the line of sight   (default 1)
  --png FILE            write the last drawn frame (641 x 665) as PNG ("-"
                        for standard output)
  --table FILE          write the last frame's object table as TSV ("-" for
                        standard output): '#' lines with t2000, tjt, ut_now,
                        is_day and the two caption lines, a header line, then
                        one row per object 1..311 (stars 1..300, Sun 301,
                        planets 302..310 with the Earth at 304, Moon 311):
                        index ra_h dec_deg alt_rad az_rad d_rad xp yp drawn
                        mag code name; name, the last, holds a star's
                        designation and proper name ("alp CMa Sirius"), a
                        body's English name, or nothing. With
                        --magnitude-limit, the extended table's stars to M
                        follow in the same columns, row k at index 311 + k
  --help                show this text
  --version             show the version

A start moment that cannot be used (a month outside 0 to 13, a number that is
not finite, a moment more than 999999 years from year 0) is refused: the reason
goes to standard error and the exit status is 2. Bad usage also exits with 2,
before any file is touched (an unknown --place or --find among it); so do two of --png, --table,
--constellation-table and --almanac naming the same file.

A file is replaced whole or not at all: it is written beside the old one and
renamed over it only when every byte is on disk. When a file cannot be written
(a full disk, no permission), the message names it and the system's reason,
the old file is kept as it was, and the exit status is 1.
)";
  return usage;
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_options.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <string_view>

#include "cli/almanac_table.hpp"
#include "cli/place_find_options.hpp"
#include "frame/body_path.hpp"
#include "frame/field_table.hpp"
#include "frame/view_zoom.hpp"
#include "output/same_output.hpp"
#include "render/device_scale.hpp"
#include "text/object_names.hpp"

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

// --path's body: its English name as --table writes it, in any case, or its
// Japanese name.
std::optional<int> path_body_named(const std::string& name) {
  std::string lower = name;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (int i = sun_index; i <= moon_index; ++i) {
    if (!has_path(i)) continue;
    const ObjectName n = object_name(i);
    std::string english = n.english;
    for (char& c : english) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == english || name == n.japanese) return i;
  }
  return std::nullopt;
}

// Days of a path when --days is not given.
constexpr long default_path_days = 60;
// Hours of trails --trails accepts: a year.
constexpr double max_trail_hours = 8784;

}  // namespace

long trail_frames(double hours, const TimeStep& step) {
  const double per_frame = std::fabs(step_hours(step));
  const double steps = per_frame > 0 ? std::nearbyint(hours / per_frame) : 1;
  return std::clamp(static_cast<long>(steps) + 1, 2L, kMaxFrames);
}

std::variant<RenderOptions, std::string> parse_render_options(
    const std::vector<std::string>& args) {
  return parse_render_options(args, jst_minute(std::chrono::system_clock::now()));
}

std::variant<RenderOptions, std::string> parse_render_options(const std::vector<std::string>& args,
                                                              const JstMinute& now) {
  RenderOptions o;
  o.texts = default_field_texts();
  bool days_given = false, frames_given = false, path_horizon = false;
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

    if (name == "--planets" || name == "--path-horizon") {
      if (value) return name + " takes no value";
      if (name == "--planets")
        o.planets = true;
      else
        path_horizon = true;
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
      if (f.field == Field::longitude || f.field == Field::latitude) o.place_name.clear();
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
      frames_given = true;
    } else if (name == "--trails") {
      const auto v = take_value();
      const auto h = v ? parse_in_range(*v, 0, max_trail_hours) : std::nullopt;
      if (!h || !(*h > 0)) {
        return "--trails needs a number of hours above 0, to 8784, not '" + v.value_or("") + "'";
      }
      o.trail_hours = *h;
      o.frame.trails = true;
    } else if (name == "--path") {
      const auto v = take_value();
      const auto body = v ? path_body_named(*v) : std::nullopt;
      if (!body) {
        return "--path needs sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune or "
               "pluto, not '" +
               v.value_or("") + "'";
      }
      BodyPath path;
      path.object = *body;
      path.days = static_cast<int>(default_path_days);
      o.frame.path = path;
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
    } else if (name == "--pixel-ratio") {
      const auto v = take_value();
      const auto r = v ? parse_in_range(*v, 1, max_pixel_ratio) : std::nullopt;
      if (!r || std::find(std::begin(pixel_ratios), std::end(pixel_ratios), *r) ==
                    std::end(pixel_ratios)) {
        return "--pixel-ratio needs one of 1, 1.25, 1.5, 2, 3, not '" + v.value_or("") + "'";
      }
      o.frame.pixel_ratio = *r;
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
    } else if (name == "--svg" || name == "--pdf") {
      const auto v = take_value();
      if (!v || v->empty()) return name + " needs a file";
      (name == "--svg" ? o.svg : o.pdf) = *v;
    } else if (name == "--style") {
      const auto v = take_value();
      const auto s = v ? chart_style_named(*v) : std::nullopt;
      if (!s) return "--style needs screen or print, not '" + v.value_or("") + "'";
      o.style = *s;
    } else if (name == "--paper") {
      const auto v = take_value();
      const auto p = v ? paper_named(*v) : std::nullopt;
      if (!p) return "--paper needs a4, a3 or letter, not '" + v.value_or("") + "'";
      o.paper = *p;
    } else if (name == "--png" || name == "--table") {
      const auto v = take_value();
      if (!v || v->empty()) return name + " needs a file";
      (name == "--png" ? o.png : o.table) = *v;
    } else {
      return "unknown option: " + args[i];
    }
  }
  if (days_given && !o.almanac && !o.frame.path)
    return "--days is the length of --almanac or --path, neither of which is given";
  if (path_horizon && !o.frame.path) return "--path-horizon goes with --path, which is not given";
  if (o.frame.path) {
    if (days_given && o.days > max_path_days)
      return "--days of --path is at most " + std::to_string(max_path_days);
    if (days_given) o.frame.path->days = static_cast<int>(o.days);
    o.frame.path->horizon = path_horizon;
  }
  if (o.trail_hours) {
    if (frames_given) return "--trails draws the frames of its hours: --frames cannot go with it";
    o.frames = trail_frames(*o.trail_hours, o.frame.step);
  }
  return o;
}

bool wants_frame(const RenderOptions& o) {
  return o.png || o.svg || o.pdf || o.table || o.constellation_table;
}

std::optional<std::string> output_clash(const RenderOptions& o) {
  const std::pair<const char*, const std::optional<std::string>*> outputs[] = {
      {"--png", &o.png},
      {"--svg", &o.svg},
      {"--pdf", &o.pdf},
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
  if (o.planets) {
    for (const auto& [name, file] : outputs) {
      if (*file == "-") return std::string(name) + " - and --planets both write to standard output";
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
Motion, all off by default:
  --trails HOURS        star trails (軌跡, 日周運動): draw the frames from the
                        start over HOURS (above 0, to 8784) at the --step,
                        every star and body leaving its trail, as on a long
                        exposure; --png writes the last (not with --frames)
  --path BODY           the path of a body (動きを描く): its places at the
                        start's clock time on --days successive days (60
                        when not given, at most 3660), dots joined by a line,
                        the date beside every tenth or so, among the stars of
                        the frame (a planet's retrograde loop, the Sun along
                        the zodiac); BODY is sun, moon, mercury, venus, mars,
                        jupiter, saturn, uranus, neptune or pluto
  --path-horizon        with --path: each day's place where the body stood
                        in the sky at that clock time (the Sun's analemma)
  --planets             print the Moon's, Mercury's, Venus's, Mars's,
                        Jupiter's and Saturn's discs at the last frame's
                        moment as TSV on standard output: body name_ja
                        phase_angle_deg lit_fraction diameter_arcsec
                        elongation_deg side (evening or morning: east or
                        west of the Sun) and star (宵の明星 or 明けの明星
                        for Venus and Mercury)

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
                        (and of --path)
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
  --pixel-ratio R       draw the frame at R device pixels per pixel: 1,
                        1.25, 1.5, 2 or 3, as on a screen of that scale;
                        the PNG is 641R x 665R, rounded, and the tables
                        keep the frame's 641 x 665 coordinates  (default 1)
  --svg FILE            write the last drawn frame as an SVG star chart ("-"
                        for standard output): stars as circles sized by
                        magnitude, lines and the grid as paths, texts as
                        text (in IPAGothic, the frame's Japanese gothic)
  --pdf FILE            write it as a PDF page ("-" for standard output),
                        the chart centred within 15 mm margins, its font
                        embedded
  --style STYLE         the colours of --svg and --pdf: screen, the
                        window's, or print, for paper: white sky, black
                        stars, grey grid and horizon, dark constellation
                        lines and names, and a title line with the place and
                        the moment above the chart           (default screen)
  --paper PAPER         the page of --pdf, portrait: a4, a3 or letter
                                                                 (default a4)
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
before any file is touched (an unknown --place or --find among it); so do two of --png, --svg,
--pdf, --table, --constellation-table and --almanac naming the same file.

A file is replaced whole or not at all: it is written beside the old one and
renamed over it only when every byte is on disk. When a file cannot be written
(a full disk, no permission), the message names it and the system's reason,
the old file is kept as it was, and the exit status is 1.
)";
  return usage;
}

}  // namespace hz

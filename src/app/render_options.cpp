#include "app/render_options.hpp"

#include <string_view>

namespace hz {
namespace {

struct ValueOption {
  const char* name;
  Field field;
};

constexpr ValueOption kFieldOptions[] = {
    {"--longitude", Field::Text1},    {"--latitude", Field::Text2},
    {"--year", Field::Text5},         {"--month", Field::Text6},
    {"--day", Field::Text7},          {"--hour", Field::Text3},
    {"--minute", Field::Text4},       {"--view-altitude", Field::Text8},
    {"--view-azimuth", Field::Text9}, {"--interval", Field::Text11},
};

constexpr long kMaxFrames = 10000000;

std::optional<long> parse_frames(const std::string& s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  long n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  if (n < 1 || n > kMaxFrames) return std::nullopt;
  return n;
}

}  // namespace

std::map<Field, std::string> default_field_texts() {
  return {{Field::Text1, " "},   {Field::Text2, " "},   {Field::Text5, ""}, {Field::Text6, ""},
          {Field::Text7, ""},    {Field::Text3, ""},    {Field::Text4, ""}, {Field::Text8, "90"},
          {Field::Text9, "180"}, {Field::Text11, " 10"}};
}

std::variant<RenderOptions, std::string> parse_render_options(
    const std::vector<std::string>& args) {
  RenderOptions o;
  o.texts = default_field_texts();
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name = name.substr(0, eq);
    }
    // The value of an option: after '=' or the next argument, whatever it is.
    auto take_value = [&]() -> std::optional<std::string> {
      if (value) return value;
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };

    if (name == "--help" || name == "-h") {
      o.help = true;
      continue;
    }
    if (name == "--grid" || name == "--daytime-stars") {
      if (value) return name + " takes no value";
      (name == "--grid" ? o.option1 : o.option3) = true;
      continue;
    }

    bool known = false;
    for (const auto& f : kFieldOptions) {
      if (name != f.name) continue;
      known = true;
      const auto v = take_value();
      if (!v) return name + " needs a value";
      o.texts[f.field] = *v;
    }
    if (known) continue;

    if (name == "--frames") {
      const auto v = take_value();
      const auto n = v ? parse_frames(*v) : std::nullopt;
      if (!n) return "--frames needs a whole number from 1 to " + std::to_string(kMaxFrames);
      o.frames = *n;
    } else if (name == "--png" || name == "--table") {
      const auto v = take_value();
      if (!v || v->empty()) return name + " needs a file name";
      (name == "--png" ? o.png : o.table) = *v;
    } else {
      return "unknown option: " + args[i];
    }
  }
  return o;
}

std::string render_usage() {
  return R"(Usage: hoshizora-render [OPTIONS]

Draws hoshizora's sky without a window: the same frames as the planetarium
window, as if Start were pressed --frames times.

The window's fields. Each value is read exactly as the window reads what is
typed: blanks are ignored, the leading decimal number is taken, anything else
reads as 0. Write --name=VALUE to give a negative number or an empty text.
  --longitude DEG       observer's longitude, degrees east        (default " ")
  --latitude DEG        observer's latitude, degrees north        (default " ")
  --year Y              start year                                (default "")
  --month M             start month, 1 to 12                      (default "")
  --day D               start day of the month                    (default "")
  --hour H              start hour, Japan Standard Time           (default "")
  --minute MIN          start minute                              (default "")
  --view-altitude DEG   altitude of the line of sight             (default "90")
  --view-azimuth DEG    azimuth of the line of sight, from north
                        through east                              (default "180")
  --interval N          frame interval, hundredths of a second    (default " 10")
                        (no effect here beyond what a frame reads)
  --grid                draw the altitude-azimuth grid
  --daytime-stars       draw stars and planets by day as well

Running and output:
  --frames N            run N frames, each one simulated minute   (default 1)
  --png FILE            write the last drawn frame (641 x 665) as PNG
  --table FILE          write the last frame's object table as TSV ("-" for
                        standard output): '#' lines with t2000, tjt, ut_now,
                        is_day and the two caption lines, a header line, then
                        one row per object 1..311 (stars 1..300, Sun 301,
                        planets 302..310 with the Earth at 304, Moon 311):
                        index ra_h dec_deg alt_rad az_rad d_rad xp yp drawn
                        mag code
  --help                show this text

A start moment that cannot be used (a month outside 0 to 13, a number that is
not finite, a moment more than 999999 years from year 0) is refused: the reason
goes to standard error and the exit status is 2. Bad usage also exits with 2.
)";
}

}  // namespace hz

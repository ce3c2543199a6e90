// SPDX-License-Identifier: GPL-3.0-or-later
// A whole session at the window, driven by the input: the texts of the ten
// fields, the two option buttons, then up to 30 actions (Start, Pause/Resume,
// a tick of the timer, an edit of a field). After every action:
//   - nothing handed to either surface is a non-finite coordinate or size;
//   - once started, the simulated clock is finite;
//   - every drawn frame lies exactly one minute after the one before (up to
//     the rounding of the day count at its size), no action without a frame
//     moves the clock, and no frame takes long;
//   - a refused Start can be corrected: the same session up to that Start,
//     with each field the refusals name set to a usable value, then starts.
//
// Input: a byte of option flags (bit 0 grid, bit 1 stars by day, bits 2, 3
// and 4 the constellation lines, names and boundaries, bit 5 stars to
// magnitude 6), ten texts
// (the fields, longitude to frame interval), then actions of one byte each (low two bits: 0
// Start, 1 Pause/Resume, 2 tick, 3 edit, followed by a field byte and a text).
// A text is one byte: below 0xC0 an entry of a table of telling texts,
// otherwise the low six bits count the raw bytes that follow.
#include <QCoreApplication>
#include <QGuiApplication>
#include <array>
#include <cfloat>
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame/checking_surface.hpp"
#include "frame/frame_driver.hpp"
#include "frame/manual_timer.hpp"
#include "fuzz_input.hpp"
#include "render_qt/offscreen_app.hpp"
#include "support/fake_fields.hpp"

namespace {

using hz::Field;
using hz::fuzz::FuzzInput;

constexpr const char* kName = "fuzz_session";
constexpr int max_actions = 30;
// A frame takes milliseconds; this only catches one that does not end.
constexpr auto max_frame_time = std::chrono::seconds(20);

void check(bool ok, const std::string& what) {
  if (!ok) hz::fuzz::fail(kName, what);
}

constexpr std::array<Field, 10> kFields = {
    Field::longitude,    Field::latitude,      Field::hour, Field::minute,
    Field::year,         Field::month,         Field::day,  Field::view_altitude,
    Field::view_azimuth, Field::frame_interval};

// Texts near the edges of what the fields accept, and some plain ones.
constexpr const char* kTexts[] = {
    "",
    " ",
    "0",
    "-0",
    "135",
    "-135",
    "35",
    "-35",
    "90",
    "-90",
    "180",
    "360",
    "2026",
    "999999",
    "-999999",
    "1000000",
    "-1000000",
    "12",
    "13",
    "13.4",
    "13.6",
    "-0.4",
    "-0.6",
    "7",
    "31",
    "365242500",
    "8",
    "9",
    "21",
    "23",
    "58",
    "59",
    "8766000000",
    "525960000000",
    "1e308",
    "-1e308",
    "1e999",
    "-1e999",
    "1.7976931348623157e308",
    "4.9e-324",
    "1e-320",
    "&HFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF",
    "&O777",
    "&H10",
    " 10",
    "6553.5",
    "6553.6",
    "-1",
    "0.5",
    "1d3",
    "1 2\t3\n4",
    "\u30005",  // an ideographic space, then 5
    "１２",
    "89.99999999",
    "-89.99999999",
    "0.000001",
};
constexpr std::size_t kTextCount = sizeof kTexts / sizeof kTexts[0];

std::string read_text(FuzzInput& in) {
  const std::uint8_t b = in.byte();
  if (b < 0xC0) return kTexts[b % kTextCount];
  return in.bytes(b & 0x3F);
}

enum class Kind { start, pause_resume, tick, edit };

struct Action {
  Kind kind = Kind::start;
  Field field = Field::longitude;
  std::string text;
};

struct Script {
  hz::FrameOptions options;
  std::array<std::string, 10> texts;
  std::vector<Action> actions;
};

Script read_script(FuzzInput& in) {
  Script s;
  const std::uint8_t flags = in.byte();
  s.options.grid = flags & 1;
  s.options.stars_by_day = flags & 2;
  s.options.constellation_lines = flags & 4;
  s.options.constellation_names = flags & 8;
  s.options.constellation_boundaries = flags & 16;
  if (flags & 32) s.options.magnitude_limit = 6.0;
  for (std::string& t : s.texts) t = read_text(in);
  while (!in.empty() && s.actions.size() < max_actions) {
    Action a;
    a.kind = static_cast<Kind>(in.byte() & 3);
    if (a.kind == Kind::edit) {
      a.field = kFields[in.byte() % kFields.size()];
      a.text = read_text(in);
    }
    s.actions.push_back(std::move(a));
  }
  return s;
}

// The window's parts: fields, timer and the two picture boxes.
struct Session {
  hz::testing::FakeFields fields;
  hz::ManualTimer timer;
  hz::testing::CheckingSurface picture1, picture2;
  hz::FrameDriver driver{fields, timer, picture1, picture2};

  explicit Session(const Script& s) {
    fields.options_ = s.options;
    for (std::size_t i = 0; i < kFields.size(); ++i) fields.set(kFields[i], s.texts[i]);
  }
};

struct Outcome {
  bool drew = false;
  std::optional<hz::StartRefusal> refusal;
};

Outcome act(Session& s, const Action& a) {
  Outcome out;
  const bool was_started = s.driver.started();
  const auto t0 = std::chrono::steady_clock::now();
  switch (a.kind) {
    case Kind::start:
      out.refusal = s.driver.start();
      out.drew = !out.refusal;
      break;
    case Kind::pause_resume:
      s.driver.pause_or_resume();
      break;
    case Kind::tick:
      // The timer ticks only while enabled with a nonzero interval.
      if (s.timer.enabled() && s.timer.interval() > 0) {
        s.driver.tick();
        out.drew = s.driver.started();
      }
      break;
    case Kind::edit:
      s.fields.set(a.field, a.text);
      break;
  }
  check(std::chrono::steady_clock::now() - t0 < max_frame_time, "a frame took too long");
  check(!was_started || s.driver.started(), "a started session stopped");
  return out;
}

void check_surfaces(const Session& s) {
  check(s.picture1.non_finite_calls == 0 && s.picture2.non_finite_calls == 0,
        "a non-finite coordinate reached a surface");
  const int interval = s.timer.interval();
  check(interval >= 0 && interval <= 65535, "the timer interval is out of range");
}

// A usable text for each field a start can be refused for.
const char* usable_text(Field f) {
  switch (f) {
    case Field::longitude:
      return "135";
    case Field::latitude:
      return "35";
    case Field::year:
      return "2026";
    case Field::month:
      return "12";
    case Field::day:
      return "7";
    case Field::hour:
      return "21";
    case Field::minute:
      return "0";
    default:
      return nullptr;
  }
}

// The session again up to the refused Start at index k, then corrected field
// by field as the refusals name them: it must start within the seven fields
// a start reads, each named once.
void check_correction(const Script& script, std::size_t k, Field refused) {
  Session s(script);
  for (std::size_t i = 0; i < k; ++i) act(s, script.actions[i]);
  Outcome again = act(s, script.actions[k]);
  check(again.refusal && again.refusal->field == refused, "a replayed session went otherwise");

  std::vector<Field> corrected;
  for (int round = 0; round < 8; ++round) {
    const Field f = again.refusal->field;
    const char* text = usable_text(f);
    check(text != nullptr, "a refusal names a field the start does not read");
    for (Field c : corrected) check(c != f, "a refusal names a field already corrected");
    s.fields.set(f, text);
    corrected.push_back(f);
    again = act(s, Action());  // Start
    if (!again.refusal) break;
  }
  check(!again.refusal && again.drew && s.driver.started(),
        "corrected, the start is still refused");
  check_surfaces(s);
}

bool same_clock(const hz::SimClock& a, const hz::SimClock& b) {
  auto same = [](double x, double y) { return x == y || (std::isnan(x) && std::isnan(y)); };
  return same(a.yr_now, b.yr_now) && same(a.mn_now, b.mn_now) && same(a.dy_now, b.dy_now) &&
         same(a.ut_now, b.ut_now);
}

// How far the frame's moment may stray from a whole number of minutes, in
// days, per frame: a few roundings of the day count at its size.
double step_tolerance_days(double t2000) {
  return 64 * DBL_EPSILON * (std::fabs(146098.5 + 36525 * t2000) + 146098.5);
}

void ensure_gui_app() {
  if (QCoreApplication::instance() != nullptr) return;
  static char program[] = "fuzz_session";
  static hz::OffscreenApp<QGuiApplication> app(program);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  ensure_gui_app();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ensure_gui_app();
  FuzzInput in(data, size);
  const Script script = read_script(in);
  Session s(script);

  int frames = 0;
  double first_t2000 = 0, last_t2000 = 0;
  int corrections = 0;
  for (std::size_t k = 0; k < script.actions.size(); ++k) {
    const hz::SimClock before = s.driver.clock();
    const Outcome out = act(s, script.actions[k]);
    check_surfaces(s);

    if (s.driver.started()) {
      const hz::SimClock& c = s.driver.clock();
      check(std::isfinite(c.yr_now) && std::isfinite(c.mn_now) && std::isfinite(c.dy_now) &&
                std::isfinite(c.ut_now),
            "the clock is not finite");
    }

    if (out.drew) {
      const double t2000 = s.driver.last_frame().t2000;
      check(std::isfinite(t2000), "a frame's moment is not finite");
      if (frames == 0) {
        first_t2000 = t2000;
      } else {
        const double tol = step_tolerance_days(t2000);
        const double step = (t2000 - last_t2000) * 36525 - 1.0 / 1440;
        check(std::fabs(step) <= tol, "a frame is not one minute after the one before");
        const double drift = (t2000 - first_t2000) * 36525 - frames / 1440.0;
        check(std::fabs(drift) <= (frames + 1) * tol, "the frames drift from one minute each");
      }
      last_t2000 = t2000;
      ++frames;
    } else {
      check(same_clock(before, s.driver.clock()), "the clock moved without a frame");
    }

    // Checking a correction replays the session: a few per input suffice.
    if (out.refusal) {
      check(!s.driver.started(), "a refused start started");
      if (corrections < 4) {
        ++corrections;
        check_correction(script, k, out.refusal->field);
      }
    }
  }
  return 0;
}

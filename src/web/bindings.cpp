// SPDX-License-Identifier: GPL-3.0-or-later
// The JavaScript face of the sky (embind): class Sky with the page's names,
// JS strings, arrays and objects in and out. A C++ exception never reaches
// the page as a dead module: a start reports it as {ok: false, message}, any
// other call throws a JS Error with the reason.
#include <emscripten.h>
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdio>
#include <exception>
#include <string>
#include <type_traits>
#include <vector>

#include "web/sky.hpp"

namespace hz::web {
namespace {

using emscripten::val;

// The reason of the last failure, kept outside the stack the JS Error
// unwinds without running destructors.
std::string& failure() {
  static std::string reason;
  return reason;
}

EM_JS(void, throw_js_error, (const char* reason),
      { throw new Error("hoshizora: " + UTF8ToString(reason)); });

// f(), or a JS Error with the reason when it throws.
template <class F>
auto guarded(F f) -> decltype(f()) {
  try {
    return f();
  } catch (const std::exception& e) {
    failure() = e.what();
  } catch (...) {
    failure() = "unknown failure";
  }
  throw_js_error(failure().c_str());
  __builtin_unreachable();
}

// What a call gives, as JS has it.
val to_js(const std::vector<std::string>& v) {
  val a = val::array();
  for (const std::string& s : v) a.call<void>("push", s);
  return a;
}

val to_js(const StartReply& r) {
  val o = val::object();
  o.set("ok", r.ok);
  o.set("message", r.message);
  o.set("field", r.field);
  o.set("readAsZero", r.read_as_zero);
  return o;
}

template <class T>
T to_js(T v) {
  return v;
}

std::string css_colour(Rgb c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", red_of(c), green_of(c), blue_of(c));
  return buf;
}

// The texts to draw over the pixels of the surface on screen.
val texts_on_screen(Sky& sky) {
  val a = val::array();
  for (const SurfaceText& t : sky.on_screen().texts()) {
    val o = val::object();
    o.set("x", t.x);
    o.set("y", t.y);
    o.set("text", t.utf8);
    o.set("color", css_colour(t.colour));
    a.call<void>("push", o);
  }
  return a;
}

// A view of the packed texts on screen, valid until the next call.
val text_runs_on_screen(Sky& sky) {
  const std::span<const double> runs = sky.text_runs();
  return val(emscripten::typed_memory_view(runs.size(), runs.data()));
}

// A view of the pixels of the surface on screen, valid until the next call.
val pixels_on_screen(Sky& sky) {
  const auto rgba = sky.on_screen().rgba();
  return val(emscripten::typed_memory_view(rgba.size(), rgba.data()));
}

// Sky's function f (a member or not) with the page's arguments, guarded.
template <auto f, class... A>
auto call(Sky& sky, A... args) {
  return guarded([&] {
    if constexpr (std::is_member_function_pointer_v<decltype(f)>) {
      if constexpr (std::is_void_v<decltype((sky.*f)(args...))>) {
        (sky.*f)(args...);
      } else {
        return to_js((sky.*f)(args...));
      }
    } else if constexpr (std::is_invocable_v<decltype(f), Sky&, A...>) {
      return to_js(f(sky, args...));
    } else {
      return to_js(f(args...));
    }
  });
}

// A start (開始, 今, a place): a failure is a refusal like any other.
template <auto f, class... A>
val call_start(Sky& sky, A... args) {
  try {
    return to_js((sky.*f)(args...));
  } catch (const std::exception& e) {
    failure() = e.what();
  } catch (...) {
    failure() = "unknown failure";
  }
  StartReply r;
  r.ok = false;
  r.message = "hoshizora: " + failure();
  return to_js(r);
}

// The frame's logical size, and the pixels of the surface on screen.
int width(Sky&) { return surface_width; }
int height(Sky&) { return surface_height; }
int pixel_width(Sky& sky) { return sky.on_screen().width(); }
int pixel_height(Sky& sky) { return sky.on_screen().height(); }
int line_height(Sky&) { return surface_line_height; }

}  // namespace

EMSCRIPTEN_BINDINGS(hoshizora) {
  using S = std::string;
  emscripten::class_<Sky>("Sky")
      .constructor<>()
      .function("fieldNames", &call<&Sky::field_names>)
      .function("fieldCaption", &call<&Sky::field_caption, S>)
      .function("field", &call<&Sky::field, S>)
      .function("setField", &call<&Sky::set_field, S, S>)
      .function("start", &call_start<&Sky::start>)
      .function("pauseOrResume", &call<&Sky::pause_or_resume>)
      .function("tick", &call<&Sky::tick>)
      .function("timerEnabled", &call<&Sky::timer_enabled>)
      .function("timerInterval", &call<&Sky::timer_interval>)
      .function("started", &call<&Sky::started>)
      .function("paused", &call<&Sky::paused>)
      .function("stepFrame", &call<&Sky::step_frame, bool>)
      .function("setOption", &call<&Sky::set_option, S, bool>)
      .function("option", &call<&Sky::option, S>)
      .function("zoomLevel", &call<&Sky::zoom_level>)
      .function("zoomBy", &call<&Sky::zoom_by, int>)
      .function("zoomText", &call<&Sky::zoom_text>)
      .function("stepChoices", &call<&Sky::step_choices>)
      .function("setStep", &call<&Sky::set_step, int, bool>)
      .function("stepIndex", &call<&Sky::step_index>)
      .function("now", &call_start<&Sky::now, double>)
      .function("placeNames", &call<&Sky::place_names>)
      .function("choosePlace", &call_start<&Sky::choose_place, int>)
      .function("targetNames", &call<&Sky::target_names>)
      .function("find", &call<&Sky::find, S>)
      .function("grab", &call<&Sky::grab, double, double>)
      .function("dragTo", &call<&Sky::drag_to, double, double>)
      .function("release", &call<&Sky::release>)
      .function("key", &call<&Sky::key, S, bool, bool>)
      .function("centreOn", &call<&Sky::centre_on, double, double>)
      .function("canCentreOn", &call<&Sky::can_centre_on, double, double>)
      .function("pathAction", &call<&Sky::path_action, double, double>)
      .function("drawPathAt", &call<&Sky::draw_path_at, double, double>)
      .function("clearPath", &call<&Sky::clear_path>)
      .function("hasPath", &call<&Sky::has_path>)
      .function("tipAt", &call<&Sky::tip_at, double, double>)
      .function("almanac", &call<&Sky::almanac, double>)
      .function("secondsLine", &call<&Sky::seconds_line>)
      .function("fileName", &call<&Sky::file_name>)
      .function("width", &width)
      .function("height", &height)
      .function("lineHeight", &line_height)
      .function("pixelWidth", &pixel_width)
      .function("pixelHeight", &pixel_height)
      .function("setPixelRatio", &call<&Sky::set_pixel_ratio, double>)
      .function("pixelRatio", &call<&Sky::pixel_ratio>)
      .function("pixels", &pixels_on_screen)
      .function("texts", &call<&texts_on_screen>)
      .function("textRuns", &text_runs_on_screen)
      .function("textString", &call<&Sky::text_string, int>)
      .function("frameSerial", &call<&Sky::frame_serial>);
}

}  // namespace hz::web

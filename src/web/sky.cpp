// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/sky.hpp"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "frame/time_step.hpp"
#include "places/places.hpp"
#include "render/device_scale.hpp"
#include "steer/find_view.hpp"
#include "steer/view_steps.hpp"
#include "time/jst_now.hpp"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace hz::web {
namespace {

struct NamedField {
  const char* name;
  Field field;
};

// The page's names of the fields, in the order the page lays them out.
constexpr NamedField named_fields[] = {
    {"longitude", Field::longitude},
    {"latitude", Field::latitude},
    {"hour", Field::hour},
    {"minute", Field::minute},
    {"year", Field::year},
    {"month", Field::month},
    {"day", Field::day},
    {"view_altitude", Field::view_altitude},
    {"view_azimuth", Field::view_azimuth},
    {"frame_interval", Field::frame_interval},
};

Field field_named(std::string_view name) {
  for (const NamedField& n : named_fields)
    if (n.name == name) return n.field;
  throw std::invalid_argument("no field named '" + std::string(name) + "'");
}

std::string name_of(Field f) {
  for (const NamedField& n : named_fields)
    if (n.field == f) return n.name;
  return {};
}

SkySwitch switch_named(std::string_view name) {
  if (const auto s = sky_switch_named(name)) return *s;
  throw std::invalid_argument("no option named '" + std::string(name) + "'");
}

// The page's clock, in milliseconds since 1970 UTC, as the minute of JST.
JstMinute jst_of(double epoch_ms) {
  if (!std::isfinite(epoch_ms)) throw std::invalid_argument("the clock is not a number");
  using namespace std::chrono;
  const auto ms = milliseconds(static_cast<std::int64_t>(std::floor(epoch_ms)));
  return jst_minute(system_clock::time_point(duration_cast<system_clock::duration>(ms)));
}

}  // namespace

Sky::Sky() {
#ifdef __EMSCRIPTEN__
  // 実時間 follows the page's steady clock (performance.now()).
  session_.driver().set_steady_clock(
      [] { return static_cast<std::int64_t>(std::floor(emscripten_get_now())); });
#endif
}

std::vector<std::string> Sky::field_names() {
  std::vector<std::string> names;
  for (const NamedField& n : named_fields) names.emplace_back(n.name);
  return names;
}

std::string Sky::field_caption(std::string_view name) {
  return field_info(field_named(name)).caption_ja;
}

std::string Sky::field(std::string_view name) const { return fields_.text(field_named(name)); }

void Sky::set_field(std::string_view name, const std::string& text) {
  const Field f = field_named(name);
  fields_.set_text(f, text);
  if (f == Field::view_altitude || f == Field::view_azimuth) session_.view_typed();
}

StartReply Sky::reply(const StartOutcome& outcome) const {
  StartReply r;
  r.read_as_zero = outcome.read_as_zero_ja;
  if (outcome.refusal) {
    r.ok = false;
    r.message = outcome.refusal->message_ja;
    r.field = name_of(outcome.refusal->field);
  }
  return r;
}

StartReply Sky::start() { return reply(session_.start()); }

void Sky::set_pixel_ratio(double device_ratio) {
  const double ratio = pixel_ratio_for_screen(device_ratio);
  if (ratio == fields_.pixel_ratio) return;
  fields_.pixel_ratio = ratio;
  session_.options_changed();
}

void Sky::set_option(std::string_view name, bool on) {
  fields_.controls.at(switch_named(name)) = on;
  session_.options_changed();
}

bool Sky::option(std::string_view name) const {
  SkyControls controls = fields_.controls;
  return controls.at(switch_named(name));
}

int Sky::zoom_by(int steps) {
  fields_.controls.zoom_level = zoom_level_after(fields_.controls.zoom_level, steps);
  session_.view_changed();
  return fields_.controls.zoom_level;
}

std::string Sky::zoom_text() const { return hz::zoom_text(zoom_of_level(zoom_level())); }

std::vector<std::string> Sky::step_choices() {
  std::vector<std::string> labels;
  for (const TimeStepChoice& c : time_step_choices()) labels.emplace_back(c.label_ja);
  return labels;
}

void Sky::set_step(int index, bool backward) {
  if (index < 0 || static_cast<std::size_t>(index) >= time_step_choices().size())
    throw std::invalid_argument("no step " + std::to_string(index));
  fields_.controls.step_choice = static_cast<std::size_t>(index);
  fields_.controls.backward = backward;
  session_.options_changed();
}

StartReply Sky::now(double epoch_ms) { return reply(session_.now(jst_of(epoch_ms))); }

std::vector<std::string> Sky::place_names() {
  std::vector<std::string> names;
  for (const Place& p : places()) names.push_back(place_label(p));
  return names;
}

StartReply Sky::choose_place(int index) {
  const auto list = places();
  if (index < 0 || static_cast<std::size_t>(index) >= list.size())
    throw std::invalid_argument("no place " + std::to_string(index));
  // Before the first start only the fields change: nothing to refuse.
  const auto outcome = session_.choose_place(list[static_cast<std::size_t>(index)]);
  return outcome ? reply(*outcome) : StartReply{};
}

std::vector<std::string> Sky::target_names() { return target_labels(); }

bool Sky::grab(double x, double y) {
  grabbed_ = session_.direction_at(x, y);
  return grabbed_.has_value();
}

void Sky::drag_to(double x, double y) {
  if (grabbed_) session_.drag(*grabbed_, x, y);
}

bool Sky::key(std::string_view key, bool shift, bool other_modifier) {
  const std::optional<SkyKeyAction> a = sky_key(key, shift, other_modifier);
  if (!a) return false;
  if (a->toggle) {
    bool& on = fields_.controls.at(*a->toggle);
    on = !on;
    session_.options_changed();
  }
  if (a->zoom_steps != 0) zoom_by(a->zoom_steps);
  if (a->d_alt != 0 || a->d_az != 0) session_.turn(a->d_alt, a->d_az);
  return true;
}

bool Sky::centre_on(double x, double y) {
  const auto direction = session_.direction_at(x, y);
  if (!direction) return false;
  session_.set_view(*direction);
  return true;
}

std::string Sky::almanac(double epoch_ms) const { return session_.almanac_html(jst_of(epoch_ms)); }

const MemorySurface& Sky::on_screen() const {
  // The driver keeps the frame on screen visible and the other hidden;
  // before the first start both are blank and visible.
  if (!picture1_.visible() && picture2_.visible()) return picture2_;
  return picture1_;
}

}  // namespace hz::web

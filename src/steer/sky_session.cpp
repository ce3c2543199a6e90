// SPDX-License-Identifier: GPL-3.0-or-later
#include "steer/sky_session.hpp"

#include <cctype>
#include <cstdio>
#include <vector>

#include "almanac/jst_day.hpp"
#include "frame/caption.hpp"
#include "frame/field_table.hpp"
#include "frame/time_step.hpp"
#include "steer/almanac_page.hpp"
#include "steer/disc_page.hpp"
#include "steer/find_view.hpp"
#include "steer/identify.hpp"
#include "steer/path_target.hpp"
#include "steer/session_fields.hpp"
#include "steer/view_steps.hpp"

namespace hz {

SkySession::SkySession(FieldStore& fields, FrameTimer& timer, Surface& picture1, Surface& picture2)
    : fields_(fields), driver_(static_cast<const FieldReader&>(*this), timer, picture1, picture2) {}

FrameOptions SkySession::options() const {
  FrameOptions o = fields_.options();
  o.marked = marked_;
  o.path = path_;
  return o;
}

void SkySession::draw_path(int object) {
  const FrameReport* f = driver_.frame_on_screen();
  if (!f) return;
  path_ = path_from(*f, object);
  options_changed();
}

std::string SkySession::path_action_at(double x, double y) const {
  const FrameReport* f = driver_.frame_on_screen();
  const auto body = f ? path_target(*f, driver_.stars(), x, y) : std::nullopt;
  return body ? path_action_text(*body) : std::string();
}

bool SkySession::draw_path_at(double x, double y) {
  const FrameReport* f = driver_.frame_on_screen();
  const auto body = f ? path_target(*f, driver_.stars(), x, y) : std::nullopt;
  if (body) draw_path(*body);
  return body.has_value();
}

void SkySession::clear_path() {
  path_.reset();
  options_changed();
}

void SkySession::set_texts(const FieldTexts& texts) {
  for (const auto& [f, text] : texts) fields_.set_text(f, text);
}

StartOutcome SkySession::started(std::optional<StartRefusal> refusal,
                                 const std::string& read_as_zero) {
  return {std::move(refusal), read_as_zero};
}

StartOutcome SkySession::start() {
  const std::string zero = read_as_zero_line_ja(fields_read_as_zero(*this));
  return started(driver_.start(), zero);
}

StartOutcome SkySession::restart() {
  if (!driver_.started()) return start();
  const std::string zero = read_as_zero_line_ja(fields_read_as_zero(*this));
  return started(driver_.restart(), zero);
}

bool SkySession::step(bool backward) {
  if (!paused()) return false;
  driver_.step(backward);
  return true;
}

StartOutcome SkySession::now(const JstMinute& now) {
  set_texts(now_fields(now));
  return restart();
}

std::optional<StartOutcome> SkySession::choose_place(const Place& place) {
  set_texts(place_fields(place));
  const FrameReport* f = driver_.frame_on_screen();
  if (!f) return std::nullopt;
  set_texts(moment_fields(*f));  // the restarted sky goes on from the moment on screen
  // A paused sky shows that moment at the new place and stays paused.
  const std::string zero = read_as_zero_line_ja(fields_read_as_zero(*this));
  return started(driver_.restart(true), zero);
}

std::string SkySession::find(std::string_view text) {
  FindResult found = find_view(target_name_of(text), driver_.frame_on_screen());
  if (found.view) {
    set_texts(view_fields(*found.view, 2));
    marked_ = found.mark;
  } else {
    marked_.reset();  // no ring left from an earlier find
  }
  options_changed();
  return found.message_ja;
}

HorizonDirection SkySession::typed_view() const { return hz::typed_view(*this, driver_); }

std::optional<HorizonDirection> SkySession::direction_at(double x, double y) const {
  const FrameReport* frame = driver_.frame_on_screen();
  if (!frame) return std::nullopt;
  return hz::direction_at(*frame, x, y);
}

void SkySession::drag(const HorizonDirection& grabbed, double x, double y) {
  const double zoom = options().zoom;
  set_view(grab_view(grabbed, x, y, typed_view(), field_geometry(zoom)));
}

void SkySession::set_view(const HorizonDirection& view) {
  marked_.reset();
  set_texts(view_fields(view, view_decimals(options().zoom)));
  options_changed();
}

void SkySession::turn(double d_alt, double d_az) { set_view(turned(typed_view(), d_alt, d_az)); }

void SkySession::options_changed() {
  if (paused()) driver_.redraw();
}

void SkySession::view_changed() {
  marked_.reset();
  options_changed();
}

std::string SkySession::tip_at(double x, double y) const {
  const FrameReport* frame = driver_.frame_on_screen();
  if (!frame) return {};
  return describe_point(*frame, driver_.stars(), x, y);
}

std::variant<PlaceAndMoment, AlmanacRefusal> SkySession::almanac_day(const JstMinute& now) const {
  return almanac_moment(driver_, *this, now);
}

std::string SkySession::almanac_html(const JstMinute& now) const {
  const auto day = almanac_day(now);
  if (const auto* refusal = std::get_if<AlmanacRefusal>(&day))
    return reason_html(refusal->message_ja);
  const PlaceAndMoment& m = std::get<PlaceAndMoment>(day);
  const std::optional<JstMoment> jst = jst_moment(m.t2000);
  const std::optional<std::string> page =
      jst ? almanac_page(m.lon_obs, m.lat_obs, jst->date) : std::nullopt;
  return page ? *page + disc_html(m.t2000) : reason_html(no_almanac_ja);
}

std::string SkySession::seconds_line() const {
  const FrameReport* f = driver_.frame_on_screen();
  if (!f || !shows_seconds(f->options.step)) return {};
  return seconds_text(f->t2000);
}

std::string SkySession::file_name() const { return frame_file_name(driver_.frame_on_screen()); }

std::string frame_file_name(const FrameReport* frame) {
  const std::string plain = "hoshizora.png";
  if (!frame) return plain;
  // The numbers of the caption: year, month, day, hour, minute (JST).
  const std::string caption = frame->caption.date + " " + frame->caption.time;
  std::vector<std::string> n;
  for (std::size_t i = 0; i < caption.size();) {
    const bool minus = caption[i] == '-' && i + 1 < caption.size() &&
                       std::isdigit(static_cast<unsigned char>(caption[i + 1]));
    if (!minus && !std::isdigit(static_cast<unsigned char>(caption[i]))) {
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    while (j < caption.size() && std::isdigit(static_cast<unsigned char>(caption[j]))) ++j;
    n.push_back(caption.substr(i, j - i));
    i = j;
  }
  if (n.size() < 5) return plain;
  const auto two = [](const std::string& s) { return s.size() < 2 ? "0" + s : s; };
  return "hoshizora-" + n[0] + "-" + two(n[1]) + "-" + two(n[2]) + "-" + two(n[3]) + two(n[4]) +
         ".png";
}

}  // namespace hz

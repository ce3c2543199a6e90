// SPDX-License-Identifier: GPL-3.0-or-later
// The sky of the web page: a session over two memory surfaces, a timer the
// page ticks, and the page's fields and controls. Each call forwards to the
// session or the controls; what a control does is decided there, not here.
// Names come as the page gives them ('longitude', 'grid', 'ArrowUp').
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/horizon_direction.hpp"
#include "frame/manual_timer.hpp"
#include "steer/sky_session.hpp"
#include "web/counted_surface.hpp"
#include "web/text_runs.hpp"
#include "web/web_fields.hpp"

namespace hz::web {

// A start (開始, 今, a place) as the page shows it.
struct StartReply {
  bool ok = true;
  std::string message;  // the refusal, Japanese
  std::string field;    // the refused field's name, '' when none
  std::string read_as_zero;
};

class Sky {
 public:
  Sky();
  Sky(const Sky&) = delete;
  Sky& operator=(const Sky&) = delete;

  static std::vector<std::string> field_names();
  static std::string field_caption(std::string_view name);
  std::string field(std::string_view name) const;
  void set_field(std::string_view name, const std::string& text);

  StartReply start();
  void pause_or_resume() { session_.pause_or_resume(); }
  void tick() { session_.tick(); }
  bool timer_enabled() const { return timer_.enabled(); }
  int timer_interval() const { return timer_.interval(); }
  bool started() const { return session_.driver().started(); }
  bool paused() const { return session_.paused(); }
  bool step_frame(bool backward) { return session_.step(backward); }

  void set_option(std::string_view name, bool on);
  bool option(std::string_view name) const;
  int zoom_level() const { return fields_.controls.zoom_level; }
  int zoom_by(int steps);
  std::string zoom_text() const;
  static std::vector<std::string> step_choices();
  void set_step(int index, bool backward);
  int step_index() const { return static_cast<int>(fields_.controls.step_choice); }

  // 今, from the device's clock in milliseconds since 1970 UTC.
  StartReply now(double epoch_ms);
  static std::vector<std::string> place_names();
  StartReply choose_place(int index);
  static std::vector<std::string> target_names();
  std::string find(std::string_view text) { return session_.find(text); }

  bool grab(double x, double y);
  void drag_to(double x, double y);
  void release() { grabbed_.reset(); }
  // A key while the sky has the focus (other_modifier: Ctrl, Alt or Meta
  // held); whether it did anything.
  bool key(std::string_view key, bool shift, bool other_modifier);
  bool centre_on(double x, double y);
  bool can_centre_on(double x, double y) const { return session_.direction_at(x, y).has_value(); }
  // 動きを描く at a point: the menu item's text ("" for none), drawing it;
  // 動きを消す.
  std::string path_action(double x, double y) const { return session_.path_action_at(x, y); }
  bool draw_path_at(double x, double y) { return session_.draw_path_at(x, y); }
  void clear_path() { session_.clear_path(); }
  bool has_path() const { return session_.has_path(); }
  std::string tip_at(double x, double y) const { return session_.tip_at(x, y); }
  // 暦 of the day on screen as HTML, or why there is none.
  std::string almanac(double epoch_ms) const;
  std::string seconds_line() const { return session_.seconds_line(); }
  std::string file_name() const { return session_.file_name(); }

  // The device's pixel ratio (window.devicePixelRatio): the frames are drawn
  // at the nearest ratio a frame takes, at once while the sky stands still.
  void set_pixel_ratio(double device_ratio);
  double pixel_ratio() const { return fields_.pixel_ratio; }

  // The surface on screen: its pixels (width() x height() device pixels)
  // and the texts to draw over them (at logical pixels).
  const MemorySurface& on_screen() const;
  // Grows whenever a frame is drawn, so whenever the picture may change.
  std::uint32_t frame_serial() const { return clears_; }
  // The texts on screen packed for the page (text_runs.hpp), and a string of
  // them by its number.
  std::span<const double> text_runs() { return text_runs_.pack(on_screen().texts()); }
  const std::string& text_string(int number) const { return text_runs_.string(number); }

 private:
  StartReply reply(const StartOutcome& outcome) const;

  std::uint32_t clears_ = 0;
  WebFields fields_;
  ManualTimer timer_;
  CountedSurface picture1_{clears_}, picture2_{clears_};
  SkySession session_{fields_, timer_, picture1_, picture2_};
  std::optional<HorizonDirection> grabbed_;
  TextRuns text_runs_;
};

}  // namespace hz::web

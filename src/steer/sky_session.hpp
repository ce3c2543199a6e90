// SPDX-License-Identifier: GPL-3.0-or-later
// The session every front end runs: the fields as the user typed them, the
// frame driver, and what each control of the sky does (開始 and its refusals,
// 今, a place, 天体を探す, grabbing and turning the view, ◀ ▶, the tip, 暦).
// A front end supplies its text boxes and its other controls' options
// (FieldStore), the timer and the two surfaces, forwards its events here and
// shows what comes back. No widgets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "frame/fields.hpp"
#include "frame/frame_driver.hpp"
#include "places/places.hpp"
#include "steer/almanac_moment.hpp"
#include "steer/grab_view.hpp"
#include "time/jst_now.hpp"

namespace hz {

// The front end's text boxes, which the session also writes (as if typed),
// and the options of its other controls.
class FieldStore : public FieldReader {
 public:
  virtual void set_text(Field f, const std::string& utf8) = 0;
};

// What a start (開始, 今, a place) came to: drawn, or refused and why; and
// beside the fields until the next start, which of them read as 0 for want of
// a number (empty when none).
struct StartOutcome {
  std::optional<StartRefusal> refusal;
  std::string read_as_zero_ja;
};

class SkySession : private FieldReader {
 public:
  SkySession(FieldStore& fields, FrameTimer& timer, Surface& picture1, Surface& picture2);

  const FrameDriver& driver() const { return driver_; }
  FrameDriver& driver() { return driver_; }

  // 開始: the first press starts the sky, every later one draws one frame.
  StartOutcome start();
  // Starts afresh from the fields as they are now (before the first start,
  // as 開始).
  StartOutcome restart();
  // 中断/再開.
  void pause_or_resume() { driver_.pause_or_resume(); }
  // A tick of the timer.
  void tick() { driver_.tick(); }
  // Whether the sky has started and stands still (paused, or no ticks).
  bool paused() const { return driver_.paused(); }
  // ◀ ▶: while paused, one step of the clock back or on, shown at once.
  // Whether it was taken.
  bool step(bool backward);

  // 今: the fields from a minute of JST, the sky started afresh from there.
  StartOutcome now(const JstMinute& now);
  // A place of the list: its longitude and latitude into the fields, and
  // once the sky has started, afresh there at the moment on screen, paused
  // or running as it was: what that start came to; nothing before the first
  // start, when only the fields change.
  std::optional<StartOutcome> choose_place(const Place& place);

  // 天体を探す, by the text of the find box (a completion 「木星 (Jupiter)」
  // or a typed name): the view turned toward it and the object ringed, or
  // why not (Japanese; empty when found).
  std::string find(std::string_view text);

  // The line of sight as the fields read now (the last one drawn where a
  // field does not read as a number).
  HorizonDirection typed_view() const;
  // The direction drawn at a point of the frame on screen; none before a
  // frame or beyond the projection's reach.
  std::optional<HorizonDirection> direction_at(double x, double y) const;
  // Dragging the sky: grabbed (a direction_at of where the drag began) is
  // to be drawn at point (x, y).
  void drag(const HorizonDirection& grabbed, double x, double y);
  // ここを中心に, and the arrow keys: the view written into the fields in
  // the zoom's steps, the ring of the last find gone, shown at once while
  // paused.
  void set_view(const HorizonDirection& view);
  void turn(double d_alt, double d_az);

  // An option changed (a switch, the step): shown at once while paused, by
  // the next frame otherwise.
  void options_changed();
  // The zoom or the line of sight changed: the ring of the last find goes,
  // and the change shows as options_changed does.
  void view_changed();
  // 動きを描く: the path of a body (path_target.hpp) from the moment on
  // screen, until cleared; none before the first frame.
  void draw_path(int object);
  void clear_path();
  // The same at a point of the frame on screen (the body there, else the
  // one last found): the menu item's text (「動きを描く（火星）」), empty when
  // there is no body; drawing it, whether there was one.
  std::string path_action_at(double x, double y) const;
  bool draw_path_at(double x, double y);
  bool has_path() const { return path_.has_value(); }
  // The line of sight was typed by hand: the ring of the last find goes.
  void view_typed() { marked_.reset(); }

  // The tip at a point of the frame on screen ("" where nothing is).
  std::string tip_at(double x, double y) const;
  // 暦: the place and moment of the day on screen (now: the computer's clock
  // in JST, for a sky not started with no date typed), or why there is none.
  std::variant<PlaceAndMoment, AlmanacRefusal> almanac_day(const JstMinute& now) const;
  // 暦 of that day as HTML (almanac_page.hpp), or the reason there is none.
  std::string almanac_html(const JstMinute& now) const;
  // The moment on screen to the second ("2027-01-16 03:35:20") when the
  // frames move by less than a minute; empty otherwise.
  std::string seconds_line() const;
  // The file name a saved frame is offered under: hoshizora-2027-01-15-2100.png.
  std::string file_name() const;

 private:
  std::string text(Field f) const override { return fields_.text(f); }
  FrameOptions options() const override;
  void set_texts(const FieldTexts& texts);
  StartOutcome started(std::optional<StartRefusal> refusal, const std::string& read_as_zero);

  FieldStore& fields_;
  FrameDriver driver_;
  // What the last find found, ringed on the sky until the view changes.
  std::optional<MarkedTarget> marked_;
  std::optional<BodyPath> path_;  // 動きを描く
};

// The file name a saved frame is offered under: the caption's date and time
// (JST) as hoshizora-YYYY-MM-DD-HHMM.png; hoshizora.png without a frame.
std::string frame_file_name(const FrameReport* frame);

}  // namespace hz

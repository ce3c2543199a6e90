// SPDX-License-Identifier: GPL-3.0-or-later
// The frame driver: what Start does, which the timer's ticks do too. Each call shows the frame
// drawn by the previous call, draws the next one on the hidden surface and moves the simulated
// clock on by one step (one minute unless the options say otherwise: frame_clock.hpp). It knows
// nothing of widgets: the window and the headless renderer run it alike.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "catalog/stardata.hpp"
#include "frame/constellation_layer.hpp"
#include "frame/constellation_sky.hpp"
#include "frame/fields.hpp"
#include "frame/frame_clock.hpp"
#include "frame/frame_report.hpp"
#include "frame/lesson_layer.hpp"
#include "frame/star_field.hpp"
#include "frame/start_moment.hpp"
#include "frame/trail_layer.hpp"
#include "render/dome_cache.hpp"
#include "render/surface.hpp"

namespace hz {

class FrameDriver {
 public:
  FrameDriver(const FieldReader& fields, FrameTimer& timer, Surface& picture1, Surface& picture2);

  // Start (the window's 開始). The first call reads the place and the start moment; when they
  // cannot be used it draws nothing, starts nothing and says why (a later
  // call reads them again). Every other call draws exactly one frame.
  std::optional<StartRefusal> start();

  // Pause/Resume (中断/再開): toggles the timer's enabled flag, nothing else.
  void pause_or_resume();

  // While paused: the moment on screen moved one step (back when backward,
  // else forward, whatever 逆向き says), drawn and shown at once; the clock
  // then holds that moment. Before the first Start: nothing.
  void step(bool backward);

  // Starts afresh, as if the program had just been opened with the fields as
  // they are now and Start pressed: place and start moment read again, the
  // stars loaded for the new date, the timer enabled; the refusals of Start
  // apply (nothing changes then). Unlike the first Start, the new frame is
  // shown at once, so the old sky does not linger. With keep_running_state
  // the timer stays enabled or not as it was: a paused sky shows the new
  // start's frame and stays paused (a new place for the moment on screen).
  std::optional<StartRefusal> restart(bool keep_running_state = false);

  // A tick of the timer: one Start.
  void tick() { start(); }

  // The front end's steady clock, in milliseconds from any fixed origin, which
  // the 実時間 step follows. Without one that step stands still.
  using SteadyClock = std::function<std::int64_t()>;
  void set_steady_clock(SteadyClock clock) { steady_ms_ = std::move(clock); }

  bool started() const { return !init_drv_; }
  // Whether the sky has started and stands still: paused, or a timer that
  // gives no ticks (interval 0).
  bool paused() const;
  const SimClock& clock() const { return clock_.clock(); }
  // The frame just drawn, on the hidden surface.
  const FrameReport& last_frame() const { return report_; }
  // The frame on the visible surface (drawn by the call before the last), or
  // nothing while that surface has never been drawn on.
  const FrameReport* shown_frame() const { return shown_ ? &*shown_ : nullptr; }
  // The frame the user sees: the shown one, else the one just drawn (after
  // the first Start, which shows only at the next call); none before it.
  const FrameReport* frame_on_screen() const;
  const StarTables& stars() const { return stars_; }
  // Draws the frame just drawn again, on the same hidden surface, for the
  // same moment with the options read afresh: a change of option while
  // paused shows at once, and the clock stays. Nothing before the first
  // frame.
  void redraw();
  Surface* pic_draw() const { return pic_draw_; }
  // A frame drawn once more on another surface (a page to print, a vector
  // file): its moment, view and options as they were, drawn afresh from
  // nothing, the driver's own surfaces and frames untouched. Returns what
  // was drawn there.
  FrameReport draw_copy(Surface& pic, const FrameReport& frame) const;
  Surface* pic_show() const { return pic_show_; }

  // Timer interval in ms for a frame interval in hundredths of a second:
  // rounded half to even and held to what the timer accepts, 0..65535.
  static int interval_ms(double hundredths);

  // 軌跡: the trails so far (empty while the option is off).
  const TrailLayer& trails() const { return trails_; }

 private:
  void set_up(const StartMoment& start, bool enable_timer);
  void read_view_and_options(FrameReport& report);
  void read_view(FrameReport& report);
  void draw_frame();
  // The frame of a moment drawn anew on pic with the view and options of
  // now, into slot (whose storage of faint stars it takes over).
  void draw_again(Surface& pic, FrameReport& slot, const FrameMoment& moment);
  // What drawing a frame keeps between frames, to draw the next sooner.
  struct SkyWork {
    DomeCache dome;
    std::optional<ConstellationSky> sky;  // made at the first frame that needs it
    ConstellationScratch scratch;
    std::vector<LabelBox> label_room;  // what the names keep clear of
    LessonScratch lesson;
  };
  // The bodies' places of the moment go into ra_obj and dc_obj 301..311.
  // The trails, when on, are laid from trails; the path, when asked for, is
  // the report's own (report.path, made by the caller).
  void draw_sky(Surface& pic, FrameReport& report, SkyWork& work, ObjectArray& ra_obj,
                ObjectArray& dc_obj, const TrailLayer& trails) const;
  // The trails and the path for a frame about to be drawn live: the trails
  // start again when its view differs, the path made when its options change.
  void prepare_motion(FrameReport& report);
  // 動きを描く's places for the frame's options, made again only when they change.
  const std::vector<PathPlace>& path_for(const BodyPath& path);

  const FieldReader& fields_;
  FrameTimer& timer_;
  Surface& picture1_;
  Surface& picture2_;

  bool init_drv_ = true;
  double lon_obs_ = 0, lat_obs_ = 0;
  FrameClock clock_;
  ObjectArray ra_obj_{}, dc_obj_{};
  StarTables stars_;
  double epoch_t2000_ = 0;  // the stars' epoch
  SkyWork work_;
  Surface* pic_draw_ = nullptr;
  Surface* pic_show_ = nullptr;
  // The line of sight last usable, kept when a field reads as non-finite.
  double view_alt_ = 90, view_az_ = 180;
  FrameReport report_;
  std::optional<FrameReport> shown_;
  bool drawn_any_ = false;
  SteadyClock steady_ms_;
  std::optional<std::int64_t> last_frame_ms_;  // the steady clock at the last frame
  TrailLayer trails_;
  std::optional<FrameMoment> first_moment_;  // of the first frame since the start
  struct PathMemo {
    BodyPath path;
    std::vector<PathPlace> places;
  };
  std::optional<PathMemo> path_;
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/frame_driver.hpp"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "frame/body_path.hpp"
#include "frame/caption.hpp"
#include "frame/find_mark.hpp"
#include "frame/frame_view.hpp"
#include "frame/solar_system.hpp"
#include "render/markers.hpp"
#include "text/number_rule.hpp"
#include "time/calendar.hpp"

namespace hz {

FrameDriver::FrameDriver(const FieldReader& fields, FrameTimer& timer, Surface& picture1,
                         Surface& picture2)
    : fields_(fields), timer_(timer), picture1_(picture1), picture2_(picture2) {}

int FrameDriver::interval_ms(double hundredths) {
  const double ms = std::nearbyint(10 * hundredths);
  if (!(ms > 0)) return 0;  // negative (or -infinity) asks for no ticks
  if (ms > 65535) return 65535;
  return static_cast<int>(ms);
}

std::optional<StartRefusal> FrameDriver::start() {
  if (init_drv_) {
    auto typed = read_start_moment(fields_);
    if (auto* refusal = std::get_if<StartRefusal>(&typed)) return std::move(*refusal);
    set_up(std::get<StartMoment>(typed), true);
  }
  draw_frame();
  return std::nullopt;
}

void FrameDriver::pause_or_resume() { timer_.set_enabled(!timer_.enabled()); }

bool FrameDriver::paused() const {
  const bool running = timer_.enabled() && timer_.interval() > 0;
  return started() && !running;
}

const FrameReport* FrameDriver::frame_on_screen() const {
  if (!started()) return nullptr;
  return shown_ ? &*shown_ : &report_;
}

void FrameDriver::step(bool backward) {
  if (!drawn_any_) return;
  // The moment on screen: before the first tick nothing is, and the frame
  // drawn stands for it.
  const FrameReport& on_screen = shown_ ? *shown_ : report_;
  TimeStep step = fields_.options().step;
  step.backward = backward;
  const auto moment = clock_.move(on_screen.tjt, on_screen.ut_now, step_hours(step));
  if (!moment) return;
  // Both surfaces: the next tick shows the hidden one, then moves on.
  if (!shown_) shown_.emplace();
  draw_again(*pic_show_, *shown_, *moment);
  draw_again(*pic_draw_, report_, *moment);
}

std::optional<StartRefusal> FrameDriver::restart(bool keep_running_state) {
  auto start = read_start_moment(fields_);
  if (auto* refusal = std::get_if<StartRefusal>(&start)) return std::move(*refusal);
  shown_.reset();
  report_ = FrameReport{};
  drawn_any_ = false;
  view_alt_ = 90;  // as a program just opened, should the view not read
  view_az_ = 180;
  work_.sky.reset();  // precessed to the old epoch
  trails_.clear();
  first_moment_.reset();
  path_.reset();
  set_up(std::get<StartMoment>(start), !keep_running_state || timer_.enabled());
  // The first Start and the first tick at once: the new sky's first frame
  // is on screen, its second drawn behind it.
  draw_frame();
  draw_frame();
  return std::nullopt;
}

// One-time set-up of the first Start: place, clock, stars, surfaces, timer.
void FrameDriver::set_up(const StartMoment& start, bool enable_timer) {
  init_drv_ = false;
  lon_obs_ = start.lon_obs;
  lat_obs_ = start.lat_obs;

  // 0 h UT of the typed date: the epoch the stars are precessed to. The month
  // has been checked by read_start_moment; were it refused, J2000.0 would do.
  const std::optional<DayAndCenturies> epoch = date_to_day(start.yr, start.mn, start.dy, 0);
  epoch_t2000_ = epoch ? epoch->t2000 : 0;
  stardata(epoch_t2000_, ra_obj_, dc_obj_, stars_.mag_st, stars_.col_st);

  // JST to UT.
  clock_.start(start.yr, start.mn, start.dy, start.start_jst - jst_offset_hours);
  pic_draw_ = &picture2_;
  pic_show_ = &picture1_;
  timer_.set_enabled(enable_timer);
}

// The line of sight and the display options, read afresh.
void FrameDriver::read_view_and_options(FrameReport& report) {
  const double alt = read_number(fields_.text(Field::view_altitude));
  const double az = read_number(fields_.text(Field::view_azimuth));
  if (std::isfinite(alt)) view_alt_ = alt;
  if (std::isfinite(az)) view_az_ = az;
  report.view_alt = view_alt_;
  report.view_az = view_az_;
  report.options = fields_.options();
}

// ... and the timer interval.
void FrameDriver::read_view(FrameReport& report) {
  read_view_and_options(report);
  timer_.set_interval(interval_ms(read_number(fields_.text(Field::frame_interval))));
}

void FrameDriver::draw_frame() {
  // Show what the previous call drew; draw on the other surface.
  std::swap(pic_draw_, pic_show_);
  pic_draw_->set_visible(false);
  pic_show_->set_visible(true);
  // The frame that leaves the screen lends its storage of faint stars.
  std::vector<ExtendedRow> spare;
  if (shown_) spare = std::move(shown_->extended);
  if (drawn_any_) shown_ = std::move(report_);
  drawn_any_ = true;

  FrameReport report;
  report.extended = std::move(spare);
  read_view(report);

  const TimeStep& step = report.options.step;
  const std::optional<std::int64_t> real_now =
      steady_ms_ ? std::optional<std::int64_t>(steady_ms_()) : std::nullopt;
  const FrameMoment now =
      step.real_time
          ? clock_.advance_real(step, real_now.value_or(last_frame_ms_.value_or(0)), last_frame_ms_)
          : clock_.advance(step);
  if (real_now) last_frame_ms_ = real_now;
  report.tjt = now.tjt;
  report.t2000 = now.t2000;
  report.ut_now = now.ut_now;
  if (!first_moment_) first_moment_ = now;
  prepare_motion(report);
  draw_sky(*pic_draw_, report, work_, ra_obj_, dc_obj_, trails_);
  if (report.options.trails)
    trails_.follow(report);
  else
    trails_.clear();
  report_ = std::move(report);
}

// The sky of the report's moment (t2000, tjt, ut_now) with its view and
// options, on pic: bodies, dome, constellations, stars, marks, caption.
void FrameDriver::draw_sky(Surface& pic, FrameReport& report, SkyWork& work, ObjectArray& ra_obj,
                           ObjectArray& dc_obj, const TrailLayer& trails) const {
  report.lat_obs = lat_obs_;
  report.lon_obs = lon_obs_;
  report.stars_epoch = epoch_t2000_;
  const FrameView view = view_of(report);
  const BodiesState bodies = compute_bodies(view, ra_obj, dc_obj);
  report.is_day = bodies.is_day;
  report.sky = bodies.is_day == 1 ? col_day : col_night;
  for (int i = 1; i < object_table_size; ++i) {
    report.objects[i].ra_h = ra_obj[i];
    report.objects[i].dec_deg = dc_obj[i];
  }

  report.caption = caption_lines(report.t2000);
  pic.set_pixel_ratio(report.options.pixel_ratio);
  pic.set_back_color(report.sky);
  draw_dome(pic, work.dome, view, report);
  if (!work.sky) work.sky.emplace(epoch_t2000_);
  // The Milky Way and the reference lines beneath everything, the trails
  // over them.
  draw_lesson_beneath(pic, *work.sky, view, ra_obj, dc_obj, work.lesson, report);
  if (report.options.trails) trails.draw(pic);
  const double moon_radius = bodies.moon_semi_diameter / rd * view.scale;
  const bool lesson_labels = any_lesson_label(report.options);
  if (report.options.constellation_names || lesson_labels) {
    // The names keep off the Moon, which is drawn after them.
    ObjectRow moon;
    const auto p = place_in_field(view, ra_obj[moon_index], dc_obj[moon_index], moon);
    work.label_room =
        kept_clear(view, report.caption, p ? std::optional(Point{p->xp, p->yp}) : std::nullopt,
                   std::max(moon_mark_radius, moon_radius));
  }
  std::vector<LabelBox> taken;
  if (lesson_labels) taken = work.label_room;
  draw_constellations(pic, *work.sky, view, ra_obj, dc_obj, work.scratch, work.label_room, report,
                      lesson_labels ? &taken : nullptr);
  if (lesson_labels) {
    draw_lesson_labels(pic, *work.sky, view, ra_obj, dc_obj, work.lesson, taken, report);
  }
  draw_stars(pic, view, ra_obj, dc_obj, stars_, report);
  if (report.options.path) draw_path(pic, view, report.options.path->horizon, report.path);
  draw_bodies(pic, view, ra_obj, dc_obj, bodies, report);
  draw_find_mark(pic, view, *work.sky, moon_radius, report);
  print_caption(pic, report.caption);
}

void FrameDriver::prepare_motion(FrameReport& report) {
  if (report.options.trails)
    trails_.hold_view({report.view_alt, report.view_az, report.options.zoom});
  if (report.options.path) report.path = path_for(*report.options.path);
}

const std::vector<PathPlace>& FrameDriver::path_for(const BodyPath& path) {
  if (!path_ || path_->path != path) {
    const FrameMoment first = first_moment_.value_or(FrameMoment{});
    path_ =
        PathMemo{path, path_places(path.object, path.days, path.from_t2000.value_or(first.t2000),
                                   path.from_ut.value_or(first.ut_now))};
  }
  return path_->places;
}

void FrameDriver::draw_again(Surface& pic, FrameReport& slot, const FrameMoment& moment) {
  FrameReport report;
  report.extended = std::move(slot.extended);
  report.t2000 = moment.t2000;
  report.tjt = moment.tjt;
  report.ut_now = moment.ut_now;
  read_view_and_options(report);
  prepare_motion(report);
  draw_sky(pic, report, work_, ra_obj_, dc_obj_, trails_);
  slot = std::move(report);
}

FrameReport FrameDriver::draw_copy(Surface& pic, const FrameReport& frame) const {
  FrameReport report;
  report.t2000 = frame.t2000;
  report.tjt = frame.tjt;
  report.ut_now = frame.ut_now;
  report.view_alt = frame.view_alt;
  report.view_az = frame.view_az;
  report.options = frame.options;
  report.path = frame.path;
  SkyWork work;
  ObjectArray ra_obj = ra_obj_, dc_obj = dc_obj_;
  draw_sky(pic, report, work, ra_obj, dc_obj, trails_);
  return report;
}

void FrameDriver::redraw() {
  if (!drawn_any_) return;
  const auto moment_of = [](const FrameReport& r) { return FrameMoment{r.tjt, r.t2000, r.ut_now}; };
  if (shown_) draw_again(*pic_show_, *shown_, moment_of(*shown_));
  draw_again(*pic_draw_, report_, moment_of(report_));
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "frame/fields.hpp"
#include "frame/frame_driver.hpp"
#include "steer/grab_view.hpp"
#include "steer/sky_session.hpp"
#include "window/qt_frame_timer.hpp"

class QLabel;

namespace hz {

class AlmanacWindow;
class DisplayPanel;
class PictureBox;
class SteeringPanel;
struct Place;

// The one window: its controls, laid out as designed, wired to the session
// (steer/sky_session.hpp). It builds the controls and forwards events; what a
// control does is decided by the session, frames are drawn by its driver and
// only shown here.
class Form1 : public QWidget, private FieldStore {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The product title: the window caption and Label12.
  static QString product_title();

  const FrameDriver& driver() const { return session_->driver(); }
  const QtFrameTimer& timer() const { return timer_; }
  // The message of the last refused Start, while it is open.
  QMessageBox* refusal_box() const { return refusal_box_; }
  // The 暦 window, once the button has opened it.
  AlmanacWindow* almanac_window() const { return almanac_; }
  SteeringPanel* steering_panel() const { return steering_; }

  // The computer's clock, which 今 and the 暦 before any date is typed
  // read: the system clock unless a test sets another.
  using Clock = std::function<std::chrono::system_clock::time_point()>;
  void set_clock(Clock clock) { clock_ = std::move(clock); }

  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Timer1_Timer();

 protected:
  // While the sky has the focus (a text box keeps its keys): C, V and B
  // toggle the constellation lines, names and boundaries; the arrows turn
  // the view 5 degrees (1 with Shift); + and - (also = and the keypad's)
  // zoom.
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  std::string text(Field f) const override;
  void set_text(Field f, const std::string& utf8) override;
  FrameOptions options() const override;

  void build_controls();
  // What a start came to: the fields that read as 0 for want of a number
  // told beside them until the next start, and the frame shown or the
  // refusal.
  void show_outcome(const StartOutcome& outcome);
  void show_refusal(const StartRefusal& refusal);
  void show_frame();
  // The frame shown again after a change, when the sky stands still (a
  // running sky shows it with the next tick).
  void show_if_paused();
  // A display option changed: drawn at once while paused, else by the next
  // frame.
  void display_changed();
  // The 暦 button: opens the almanac window, or raises it.
  void open_almanac();
  // The almanac window, while open, on the date of the sky on screen (the
  // typed start before the first Start).
  void update_almanac();

  // Whether the sky has started and stands still (paused, or no ticks).
  bool paused() const;
  // Writes a line of sight into Text8/Text9, as if typed, and shows it as
  // display_changed does; the ring of the last find goes, as it does
  // whenever the view changes.
  void set_view(const HorizonDirection& view);
  // The grabbed direction is to be drawn at pos of the sky.
  void drag_view(const HorizonDirection& grabbed, QPointF pos);
  void zoom_changed();
  // 今: the fields from the computer's clock in JST, and the sky started
  // afresh from there.
  void start_now();
  // A place of the list: its longitude and latitude into the fields, and
  // once the sky has started, afresh there at the moment on screen, paused
  // or running as it was.
  void choose_place(const Place& place);
  // 天体を探す: the view toward the object, or why not.
  void find_target(const QString& text);
  // ◀ ▶: one step of the clock back or on, shown at once.
  void step_clicked(bool backward);
  // Start afresh from the fields (after the first Start): refusals shown.
  void restart();

  QtFrameTimer timer_;
  std::unique_ptr<SkySession> session_;
  PictureBox* picture1_ = nullptr;
  PictureBox* picture2_ = nullptr;
  DisplayPanel* display_ = nullptr;
  AlmanacWindow* almanac_ = nullptr;
  QLabel* read_as_zero_ = nullptr;  // the line telling the fields read as 0
  SteeringPanel* steering_ = nullptr;
  Clock clock_ = [] { return std::chrono::system_clock::now(); };
  QPointer<QMessageBox> refusal_box_;  // null once the message is closed
  bool screen_watched_ = false;        // the window's moves between screens
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "frame/fields.hpp"
#include "frame/frame_driver.hpp"
#include "window/qt_frame_timer.hpp"

namespace hz {

class AlmanacWindow;
class DisplayPanel;
class PictureBox;

// The one window: its controls, laid out as designed, wired to the frame
// driver. It builds the controls and forwards events; frames are drawn by the
// driver and only shown here.
class Form1 : public QWidget, private FieldReader {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  // The product title: the window caption and Label12.
  static QString product_title();

  const FrameDriver& driver() const { return *driver_; }
  const QtFrameTimer& timer() const { return timer_; }
  // The message of the last refused Start, while it is open.
  QMessageBox* refusal_box() const { return refusal_box_; }
  // The 暦 window, once the button has opened it.
  AlmanacWindow* almanac_window() const { return almanac_; }

  void Form_Load();
  void Command1_Click();
  void Command2_Click();
  void Timer1_Timer();

 protected:
  // C, V and B toggle the constellation lines, names and boundaries while
  // the sky has the focus (a text box keeps its letters).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::string text(Field f) const override;
  FrameOptions options() const override;

  void build_controls();
  void show_refusal(const StartRefusal& refusal);
  void show_frame();
  // A display option changed: drawn at once while paused, else by the next
  // frame.
  void display_changed();
  // The 暦 button: opens the almanac window, or raises it.
  void open_almanac();
  // The almanac window, while open, on the date of the sky on screen (the
  // typed start before the first Start).
  void update_almanac();

  QtFrameTimer timer_;
  std::unique_ptr<FrameDriver> driver_;
  PictureBox* picture1_ = nullptr;
  PictureBox* picture2_ = nullptr;
  DisplayPanel* display_ = nullptr;
  AlmanacWindow* almanac_ = nullptr;
  QPointer<QMessageBox> refusal_box_;  // null once the message is closed
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <optional>

#include "render_qt/image_surface.hpp"
#include "steer/grab_view.hpp"

namespace hz {

class FrameDriver;

// A drawing surface on the window: shows its image whenever the surface is
// visible. The frame driver draws on the surface; the window calls sync()
// after each frame so the widget follows the surface's visible flag.
//
// On the visible box the pointer identifies the object under it in a tool tip
// (the driver's shown frame decides what is there), and a right-click offers
// to save or copy the frame on screen, or to centre the view there.
//
// Pressing on the shown sky grabs the direction under the pointer: while the
// button is held, the box says where the pointer has taken it, and the window
// turns the view to keep it there. The wheel over the box asks for zoom
// levels and gives the box the focus.
class PictureBox : public QWidget {
  Q_OBJECT
 public:
  PictureBox(const QString& name, QWidget* parent);
  ImageSurface& surface() { return surface_; }
  void sync();

  // The driver whose shown frame this box's image is when it is visible.
  void set_driver(const FrameDriver* driver) { driver_ = driver; }

  // What the tool tip says for a point of the box: the object drawn there,
  // else the constellation of that direction of the sky; empty outside the
  // field, below the horizon, or when the box shows no drawn frame.
  QString tip_at(QPointF pos) const;
  // The text of the tool tip now shown, empty when none.
  const QString& tip() const { return tip_; }

  // Saves the image on screen as PNG; returns why it could not, in Japanese,
  // or an empty text. A failed save leaves no file behind and an old file of
  // that name as it was.
  QString save_visible_frame(const QString& path) const;
  // A file name for the frame on screen, from its JST date and time.
  QString suggested_file_name() const;
  // Puts the image on screen on the clipboard.
  void copy_visible_frame() const;
  // Saves the frame on screen as a star chart for paper (an A4 PDF page in
  // the print style); returns why it could not, in Japanese, or an empty
  // text, as save_visible_frame does.
  QString save_chart_pdf(const QString& path) const;

  // The horizon direction drawn at a point of the box in the shown frame;
  // none before a frame is shown.
  std::optional<HorizonDirection> direction_at_point(QPointF pos) const;
  bool dragging() const { return grabbed_.has_value() && moved_; }

 signals:
  // The grabbed direction should now be drawn at pos.
  void dragged(hz::HorizonDirection grabbed, QPointF pos);
  // Zoom in (steps > 0) or out, from the wheel.
  void zoomSteps(int steps);
  // 「ここを中心に」: the line of sight toward that direction.
  void centreOn(hz::HorizonDirection direction);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void show_tip();
  void save_with_dialog();
  void save_pdf_with_dialog();
  void print_with_dialog();

  ImageSurface surface_;
  const FrameDriver* driver_ = nullptr;
  std::optional<QPointF> pointer_;  // where the pointer rests on the box
  QString tip_;
  std::optional<HorizonDirection> grabbed_;  // held by the left button
  bool moved_ = false;                       // since the press
  int wheel_angle_ = 0;                      // eighths of a degree not yet used
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// The controls below 暦 in the window's right column: the zoom, the present
// moment and the place, finding an object, and the clock's step. The panel
// holds the zoom and the step and says when they change; what a button or a
// choice does to the sky, the window decides.
#pragma once

#include <QWidget>

#include "frame/frame_options.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QLabel;
class QPushButton;

namespace hz {

struct Place;

class SteeringPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SteeringPanel(QWidget* parent);

  // The panel's part of the frame options (zoom, step, trails), laid over o.
  FrameOptions options(FrameOptions o) const;

  double zoom() const;
  int zoom_level() const { return zoom_level_; }
  // Zooms in (steps > 0) or out by that many levels, held to 1x..16x.
  void zoom_by(int steps);

  // 軌跡 (the key T).
  void toggle_trails();

  // The ◀ ▶ buttons work only while the sky stands still after a Start.
  void set_paused(bool paused);
  // What finding an object answered (empty: nothing to say).
  void show_find_result(const QString& text);
  // The moment on screen to the second (empty: not shown).
  void show_moment(const QString& text);

 protected:
  // Keeps the find box's completion list under the box, its right edge on
  // the box's: wider than the box, it would run off the window's right side.
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void zoomChanged();
  void nowClicked();
  void placeChosen(const hz::Place& place);
  // The text of the find box when Enter is pressed or a completion chosen.
  void findRequested(const QString& text);
  void stepClicked(bool backward);
  void trailsToggled();

 private:
  void build_zoom(QWidget* group);
  void build_moment(QWidget* group);
  void build_find(QWidget* group);
  void build_step(QWidget* group);

  int zoom_level_ = 0;
  QLabel* zoom_text_ = nullptr;
  QPushButton* zoom_out_ = nullptr;
  QPushButton* zoom_in_ = nullptr;
  QComboBox* place_ = nullptr;
  QLineEdit* find_ = nullptr;
  QLabel* find_result_ = nullptr;
  QComboBox* step_ = nullptr;
  QCheckBox* backward_ = nullptr;
  QCheckBox* trails_ = nullptr;
  QPushButton* step_back_ = nullptr;
  QPushButton* step_on_ = nullptr;
  QLabel* moment_ = nullptr;
};

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>

#include "frame/frame_options.hpp"
#include "steer/sky_controls.hpp"

class QCheckBox;
class QTabWidget;

namespace hz {

// The group 「表示」 in the window's right column: its check boxes on tabs,
// each tab a few, every box a click away without scrolling: 星座 (the
// constellation lines, names and boundaries and the stars to magnitude 6),
// 線 (天の赤道, 黄道, 子午線, 赤経・赤緯線) and 星 (天の川, 星の名前, 星の並び),
// all off at start. It says when any of them changes; the window reads the
// options from it afresh for every frame.
class DisplayPanel : public QGroupBox {
  Q_OBJECT
 public:
  explicit DisplayPanel(QWidget* parent);

  // The panel's part of the frame options, laid over o.
  FrameOptions options(FrameOptions o) const;

  // A key of the sky toggles one of the boxes (steer/sky_controls.hpp).
  void toggle(SkySwitch s);

 signals:
  void optionsChanged();

 private:
  QTabWidget* tabs_;
  QCheckBox* lines_;
  QCheckBox* names_;
  QCheckBox* boundaries_;
  QCheckBox* faint_stars_;
  // The science lesson's pictures, in the order of lesson_boxes.
  QCheckBox* lesson_[7];
};

}  // namespace hz

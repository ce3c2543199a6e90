// SPDX-License-Identifier: GPL-3.0-or-later
// The window around the form. The form keeps its designed size and layout;
// on a screen with less room than that (a 1366 x 768 laptop, a 1280 x 1024
// screen at twice the scale) the window opens to fit the room and its
// contents scroll, and the user may shrink it further: every control and the
// whole sky stay within reach.
#pragma once

#include <QScrollArea>
#include <QSize>

namespace hz {

class FittingWindow : public QScrollArea {
  Q_OBJECT
 public:
  // Takes the form over (it is deleted with the window); the window's title
  // and icon are the form's.
  explicit FittingWindow(QWidget* form);

  // What the window's frame and title bar are allowed, beside its contents,
  // before the window manager says.
  static constexpr QSize frame_allowance{16, 48};
  // The window's size for a form of that size on a screen with that much
  // room (its available geometry, logical pixels): the form's size, held
  // inside the room less the frame allowance.
  static QSize size_within(QSize form, QSize room);
  // Resizes the window to size_within the room, on the screen's available
  // area (the primary screen's when the window has none yet).
  void fit_to(QSize room);
  void fit_to_screen();
};

}  // namespace hz

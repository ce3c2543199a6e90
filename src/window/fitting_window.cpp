// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/fitting_window.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace hz {

namespace {

// Small enough for any screen, large enough to show a part of the sky.
constexpr QSize smallest_window{160, 120};

}  // namespace

FittingWindow::FittingWindow(QWidget* form) {
  setObjectName("FittingWindow");
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidget(form);
  setWindowTitle(form->windowTitle());
  setWindowIcon(form->windowIcon());
  // Never larger than the form: at its full size no scroll bar shows.
  setMaximumSize(form->size());
  setMinimumSize(smallest_window);
  resize(form->size());
}

QSize FittingWindow::size_within(QSize form, QSize room) {
  const QSize inner = room - frame_allowance;
  return QSize(std::clamp(inner.width(), smallest_window.width(), form.width()),
               std::clamp(inner.height(), smallest_window.height(), form.height()));
}

void FittingWindow::fit_to(QSize room) { resize(size_within(widget()->size(), room)); }

void FittingWindow::fit_to_screen() {
  const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
  if (s) fit_to(s->availableGeometry().size());
}

}  // namespace hz

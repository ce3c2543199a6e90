// SPDX-License-Identifier: GPL-3.0-or-later
// The small window 「暦」: the almanac of one JST day for a place, opened by
// the main window's button and kept on the date of the sky on screen.
#pragma once

#include <QWidget>
#include <optional>

class QLabel;

namespace hz {

class AlmanacWindow : public QWidget {
  Q_OBJECT
 public:
  explicit AlmanacWindow(QWidget* parent);

  // Shows the almanac of the JST date of a moment at a place (radians); the
  // day is computed again only when the date or the place changes.
  void show_day(double lon, double lat, double t2000);
  // Shows why there is no almanac to show (a start that cannot be used).
  void show_reason(const QString& reason);

  // What the window shows, as plain text.
  QString text() const;

 private:
  struct Shown {
    double lon, lat, yr, mn, dy;
    bool operator==(const Shown&) const = default;
  };
  QLabel* body_;
  std::optional<Shown> shown_;
};

}  // namespace hz

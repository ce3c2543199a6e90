// SPDX-License-Identifier: GPL-3.0-or-later
// window-start: the planetarium window started as hoshizora starts it, up to
// its first paint. Prints the wall-clock time (nanoseconds since the epoch)
// at which that paint is done, and quits; tools/measure-start.sh takes the
// start-up time from it.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <ctime>
#include <iostream>

#include "window/app_identity.hpp"
#include "window/form1.hpp"

namespace {

// Sees the form's first paint and quits once it is over.
class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::cout << now.tv_sec * 1000000000LL + now.tv_nsec << '\n';
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  hz::set_app_identity();
  hz::Form1 form;
  FirstPaint first_paint;
  form.installEventFilter(&first_paint);
  form.show();
  return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a 1280 x 1024 screen at twice the scale (the offscreen
// platform given that screen, QT_SCALE_FACTOR=2): it fits the screen's room,
// every control and the whole sky within reach by scrolling, each control
// where the form puts it, and the sky drawn at the screen's pixel ratio.
#include "window/fitting_window.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "common/constants.hpp"
#include "window/form1.hpp"
#include "window/picture_box.hpp"
#include "window/window_driving.hpp"

namespace hz {
namespace {

TEST(FittingWindow, TheScreenIs1280By1024AtTwiceTheScale) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  EXPECT_EQ(screen->devicePixelRatio(), 2);
  EXPECT_EQ(screen->availableGeometry().size(), QSize(640, 512));
}

// The window's size on screens of every kind: never larger than the room
// (less the frame's allowance) nor than the form, nor smaller than a part of
// the sky.
TEST(FittingWindow, OpensWithinTheRoomOfTheScreen) {
  const QSize form(831, 869);
  const QSize rooms[] = {{1366, 728}, {640, 512}, {1024, 738}, {1920, 1040}, {100, 80}};
  for (const QSize& room : rooms) {
    const QSize s = FittingWindow::size_within(form, room);
    EXPECT_LE(s.width(), std::max(160, room.width() - FittingWindow::frame_allowance.width()));
    EXPECT_LE(s.height(), std::max(120, room.height() - FittingWindow::frame_allowance.height()));
    EXPECT_LE(s.width(), form.width());
    EXPECT_LE(s.height(), form.height());
    EXPECT_GE(s.width(), 160);
  }
  EXPECT_EQ(FittingWindow::size_within(form, {1920, 1040}), form);
}

TEST(FittingWindow, EveryControlAndTheWholeSkyAreWithinReach) {
  Form1 alone;  // the form as designed, for its controls' places
  // Shown (off screen), so that the tabs of its 表示 group lay their pages
  // out as the form in the window does.
  alone.setAttribute(Qt::WA_DontShowOnScreen);
  alone.show();
  auto* form = new Form1;
  FittingWindow window(form);
  window.fit_to_screen();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

  const QRect room = window.screen()->availableGeometry();
  EXPECT_LE(window.width(), room.width());
  EXPECT_LE(window.height(), room.height());
  EXPECT_EQ(form->size(), alone.size());
  // The scroll bars reach every pixel of the form.
  const QWidget* view = window.viewport();
  EXPECT_EQ(window.horizontalScrollBar()->maximum() + view->width(), form->width());
  EXPECT_EQ(window.verticalScrollBar()->maximum() + view->height(), form->height());

  int controls = 0;
  for (QWidget* c : form->findChildren<QWidget*>()) {
    if (c->objectName().isEmpty() || !c->isVisibleTo(form)) continue;
    ++controls;
    // In its place on the form, as on the form alone.
    const QWidget* same = alone.findChild<QWidget*>(c->objectName());
    ASSERT_NE(same, nullptr) << c->objectName().toStdString();
    EXPECT_EQ(c->mapTo(form, QPoint(0, 0)), same->mapTo(&alone, QPoint(0, 0)));
    EXPECT_EQ(c->size(), same->size()) << c->objectName().toStdString();
    // Scrolled to its top-left corner, it shows whole (the sky, larger
    // than the view, as much of it as the view holds).
    const QPoint corner = c->mapTo(form, QPoint(0, 0));
    window.horizontalScrollBar()->setValue(corner.x());
    window.verticalScrollBar()->setValue(corner.y());
    const QRect shown(c->mapTo(view, QPoint(0, 0)), c->size());
    const QRect seen = shown.intersected(view->rect());
    EXPECT_EQ(seen.size(), shown.size().boundedTo(view->size())) << c->objectName().toStdString();
  }
  EXPECT_GT(controls, 40);
}

// Started, the sky is drawn at the screen's ratio and the box shows its
// device pixels one to one: the box's picture is the surface's image.
TEST(FittingWindow, TheSkyIsDrawnAtTheScreensRatio) {
  auto* form = new Form1;
  FittingWindow window(form);
  window.fit_to_screen();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  testing::start_tokyo_paused(*form);
  const Surface* shown = form->driver().pic_show();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->pixel_ratio(), 2);
  PictureBox* box = nullptr;
  for (PictureBox* p : form->findChildren<PictureBox*>()) {
    if (p->isVisible()) box = p;
  }
  ASSERT_NE(box, nullptr);
  const QImage& drawn = box->surface().image();
  EXPECT_EQ(drawn.size(), QSize(2 * surface_width, 2 * surface_height));
  const QImage picture =
      box->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(drawn.rect());
  EXPECT_EQ(picture, drawn.convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace hz

// The screen is set up before the application starts.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = QDir(dir.path()).filePath("screens.json");
  QFile f(config);
  if (!f.open(QIODevice::WriteOnly)) return 1;
  f.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1280, "height": 1024,
              "logicalDpi": 96, "logicalBaseDpi": 96}]})");
  f.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The controls that steer the sky: grabbing it, the keys and the wheel, 今,
// 観測地, 天体を探す, the step buttons, and where they stand.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <chrono>
#include <cmath>
#include <functional>

#include "common/constants.hpp"
#include "common/object_layout.hpp"
#include "places/places.hpp"
#include "render/projection.hpp"
#include "steer/grab_view.hpp"
#include "steer/view_steps.hpp"
#include "time/calendar.hpp"
#include "window/picture_box.hpp"
#include "window/steering_panel.hpp"
#include "window/window_driving.hpp"

namespace hz {
namespace {

using testing::child;
using testing::press;
using testing::start_tokyo_paused;
using testing::type_into;

// A grabbed or found direction is drawn within this many pixels of its place.
constexpr double pixel_tolerance = 1.0;
// A restarted sky goes on from the moment on screen to within a second.
constexpr double same_moment_centuries = 1.0 / 86400 / 36525;

PictureBox* visible_sky(Form1& form) {
  for (PictureBox* p : form.findChildren<PictureBox*>())
    if (p->isVisibleTo(&form)) return p;
  ADD_FAILURE() << "no sky shown";
  return nullptr;
}

std::string field(Form1& form, const char* name) {
  return child<QLineEdit>(form, name)->text().toStdString();
}

void send_mouse(QWidget* w, QEvent::Type type, QPointF pos, Qt::MouseButtons buttons) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, pos, w->mapToGlobal(pos), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

// Where the shown frame draws a horizon direction.
QPointF drawn_in_shown_frame(const Form1& form, const HorizonDirection& d) {
  const FrameReport& f = *form.driver().shown_frame();
  const FieldGeometry g = field_geometry(f.options.zoom);
  const Projected p =
      prj(f.view_alt * rd, f.view_az * rd, g.x0, g.y0, g.scl, d.alt_deg * rd, d.az_deg * rd);
  return {p.xp, p.yp};
}

TEST(Steering, DraggingTheSkyKeepsTheGrabbedDirectionUnderThePointer) {
  Form1 form;
  start_tokyo_paused(form);
  type_into(form, "Text8", "40");
  type_into(form, "Text9", "150");
  press(form, "Command2");
  press(form, "Command1");
  press(form, "Command1");  // that view on screen
  press(form, "Command2");
  PictureBox* sky = visible_sky(form);

  // A click without motion turns nothing.
  send_mouse(sky, QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
  send_mouse(sky, QEvent::MouseButtonRelease, {300, 300}, Qt::NoButton);
  EXPECT_EQ(field(form, "Text8"), "40");
  EXPECT_EQ(field(form, "Text9"), "150");

  const QPointF from(300, 300), to(380, 380);
  const auto grabbed = sky->direction_at_point(from);
  ASSERT_TRUE(grabbed);
  send_mouse(sky, QEvent::MouseButtonPress, from, Qt::LeftButton);
  for (const QPointF p : {QPointF(320, 320), QPointF(350, 350), to}) {
    send_mouse(visible_sky(form), QEvent::MouseMove, p, Qt::LeftButton);
  }
  EXPECT_TRUE(visible_sky(form)->tip().isEmpty()) << "no tip while dragging";
  send_mouse(visible_sky(form), QEvent::MouseButtonRelease, to, Qt::NoButton);

  EXPECT_NE(field(form, "Text9"), "150") << "the view turned at once while paused";
  const QPointF at = drawn_in_shown_frame(form, *grabbed);
  EXPECT_LE(std::hypot(at.x() - to.x(), at.y() - to.y()), pixel_tolerance)
      << at.x() << ", " << at.y();
}

TEST(Steering, KeysActOnlyWhenTheSkyHasTheFocusTheWheelOverTheSky) {
  Form1 form;
  start_tokyo_paused(form);
  SteeringPanel* panel = form.steering_panel();
  struct Case {
    const char* why;
    const char* focus;  // "sky" or a control's name
    int key;            // 0: a wheel notch up instead
    Qt::KeyboardModifiers mods;
    const char* alt;
    const char* az;
    int zoom_level;
  } const cases[] = {
      {"left turns 5 degrees", "sky", Qt::Key_Left, Qt::NoModifier, "45", "175", 0},
      {"shift: 1 degree", "sky", Qt::Key_Up, Qt::ShiftModifier, "46", "180", 0},
      {"down", "sky", Qt::Key_Down, Qt::NoModifier, "40", "180", 0},
      {"right", "sky", Qt::Key_Right, Qt::NoModifier, "45", "185", 0},
      {"plus zooms in", "sky", Qt::Key_Plus, Qt::NoModifier, "45", "180", 1},
      {"the keypad's plus", "sky", Qt::Key_Plus, Qt::KeypadModifier, "45", "180", 1},
      {"= as +", "sky", Qt::Key_Equal, Qt::NoModifier, "45", "180", 1},
      {"minus stays at 1x", "sky", Qt::Key_Minus, Qt::NoModifier, "45", "180", 0},
      {"the wheel zooms in", "sky", 0, Qt::NoModifier, "45", "180", 1},
      {"arrows in a text box", "Text1", Qt::Key_Left, Qt::NoModifier, "45", "180", 0},
      {"plus typed in the find box", "FindBox", Qt::Key_Plus, Qt::NoModifier, "45", "180", 0},
      {"the wheel over the sky, typing in a field", "Text1", 0, Qt::NoModifier, "45", "180", 1},
  };
  for (const Case& c : cases) {
    type_into(form, "Text8", "45");
    type_into(form, "Text9", "180");
    panel->zoom_by(-zoom_level_max);
    PictureBox* sky = visible_sky(form);
    QWidget* target = std::string(c.focus) == "sky" ? sky : child<QWidget>(form, c.focus);
    target->setFocus();
    if (c.key != 0) {
      QTest::keyClick(target, static_cast<Qt::Key>(c.key), c.mods);
    } else {
      QWheelEvent wheel({320, 350}, sky->mapToGlobal(QPointF(320, 350)), {}, {0, 120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(sky, &wheel);
    }
    EXPECT_EQ(field(form, "Text8"), c.alt) << c.why;
    EXPECT_EQ(field(form, "Text9"), c.az) << c.why;
    EXPECT_EQ(panel->zoom_level(), c.zoom_level) << c.why;
    if (c.key == 0) {
      EXPECT_EQ(form.focusWidget(), sky) << c.why << ": the sky takes the focus";
    }
    if (c.zoom_level == 1) {
      EXPECT_DOUBLE_EQ(form.driver().shown_frame()->options.zoom, std::sqrt(2.0))
          << c.why << ": shown at once while paused";
    }
  }
}

TEST(Steering, NowFillsTheFieldsFromTheClockInJapanAndStarts) {
  using namespace std::chrono;
  Form1 form;
  type_into(form, "Text1", "139.7");
  type_into(form, "Text2", "35.7");
  struct Case {
    sys_seconds utc;
    const char *yr, *mn, *dy, *hh, *mi;
  } const cases[] = {
      // 14:30 UT is 23:30 in Japan; 15:05 UT is five past midnight of the next day.
      {sys_days{2026y / 12 / 9} + 14h + 30min, "2026", "12", "9", "23", "30"},
      {sys_days{2026y / 12 / 31} + 15h + 5min + 59s, "2027", "1", "1", "0", "5"},
  };
  for (const Case& c : cases) {
    form.set_clock([t = c.utc] { return system_clock::time_point(t); });
    press(form, "NowButton");
    EXPECT_EQ(field(form, "Text5"), c.yr);
    EXPECT_EQ(field(form, "Text6"), c.mn);
    EXPECT_EQ(field(form, "Text7"), c.dy);
    EXPECT_EQ(field(form, "Text3"), c.hh);
    EXPECT_EQ(field(form, "Text4"), c.mi);
    ASSERT_TRUE(form.driver().started());
    EXPECT_TRUE(form.timer().enabled());
    // The sky drawn is of that moment, to the minute (UT).
    const auto drawn = centuries_to_date(form.driver().last_frame().t2000);
    ASSERT_TRUE(drawn);
    const auto day = floor<days>(c.utc);
    const year_month_day ymd{day};
    EXPECT_EQ(drawn->date.dy, static_cast<unsigned>(ymd.day()));
    const double ut_hours = duration<double, std::ratio<3600>>(floor<minutes>(c.utc) - day).count();
    EXPECT_NEAR(drawn->ut, ut_hours, 1.0 / 60 + 1e-9);
  }
}

// A place of the list in a combo box, as a user picks it.
void choose(Form1& form, const char* city) {
  auto* box = child<QComboBox>(form, "PlaceBox");
  for (int i = 1; i < box->count(); ++i) {
    if (!box->itemText(i).startsWith(QString::fromUtf8(city))) continue;
    box->setCurrentIndex(i);
    emit box->activated(i);
    return;
  }
  ADD_FAILURE() << city;
}

TEST(Steering, APlaceFillsLongitudeAndLatitudeAndRestartsAtTheMomentOnScreen) {
  Form1 form;
  auto* box = child<QComboBox>(form, "PlaceBox");
  EXPECT_EQ(box->itemText(0), QString::fromUtf8("（経緯度を入力）"));
  EXPECT_EQ(box->count(), 49);
  // The prefectural offices (Geospatial Information Authority of Japan).
  choose(form, "札幌");
  EXPECT_NEAR(std::stod(field(form, "Text1")), 141.347, 0.006);
  EXPECT_NEAR(std::stod(field(form, "Text2")), 43.064, 0.006);
  EXPECT_FALSE(form.driver().started()) << "before Start a place only fills the fields";
}

// Paused or running, the sky goes on at the new place from the moment on
// screen, and stays paused or running.
TEST(Steering, APlaceKeepsAPausedSkyPausedAtTheMomentOnScreen) {
  for (const bool paused : {true, false}) {
    Form1 form;
    start_tokyo_paused(form);
    // Steps of 10 seconds: the moment on screen has a fraction of a minute.
    auto* step = child<QComboBox>(form, "StepBox");
    step->setCurrentIndex(step->findText(QString::fromUtf8("10 秒")));
    press(form, "Command2");
    for (int i = 0; i < 3; ++i) form.Timer1_Timer();
    if (paused) press(form, "Command2");
    const double on_screen = form.driver().shown_frame()->t2000;
    choose(form, "那覇");
    EXPECT_EQ(form.driver().paused(), paused);
    EXPECT_NEAR(std::stod(field(form, "Text1")), 127.681, 0.006);
    EXPECT_NEAR(std::stod(field(form, "Text2")), 26.212, 0.006);
    const FrameReport* f = form.driver().shown_frame();
    ASSERT_NE(f, nullptr);
    EXPECT_NEAR(f->lon_obs / rd, 127.68, 0.006) << "paused " << paused;
    EXPECT_NEAR(f->lat_obs / rd, 26.21, 0.006) << "paused " << paused;
    EXPECT_NEAR(f->t2000, on_screen, same_moment_centuries) << "paused " << paused;
    EXPECT_NE(field(form, "Text4").find('.'), std::string::npos) << "minutes with their fraction";
  }
}

TEST(Steering, FindingAnObjectTurnsTheViewOrSaysWhyNot) {
  Form1 form;
  auto* find = child<QLineEdit>(form, "FindBox");
  auto* result = child<QLabel>(form, "FindResult");
  const auto look_for = [&](const char* name) {
    find->clear();
    QTest::keyClicks(find, name);
    QTest::keyClick(find, Qt::Key_Return);
  };
  look_for("Jupiter");
  EXPECT_EQ(result->text(), QString::fromUtf8("開始してから探せます"));

  start_tokyo_paused(form);
  struct Case {
    const char* typed;
    const char* said;  // the start of the answer; empty: found and centred
  } const cases[] = {
      {"jupiter", ""},
      {"Sirius", ""},
      {"sun", "地平線の下です"},  // 21:00
      {"Vulcan", "見つかりません"},
  };
  for (const Case& c : cases) {
    const std::string alt = field(form, "Text8"), az = field(form, "Text9");
    look_for(c.typed);
    const std::string said = result->text().toStdString();
    EXPECT_EQ(said.substr(0, std::string(c.said).size()), c.said) << c.typed << ": " << said;
    if (*c.said) {
      EXPECT_NE(said, "") << c.typed;
      EXPECT_EQ(field(form, "Text8"), alt) << c.typed << ": the view stays";
      EXPECT_EQ(field(form, "Text9"), az) << c.typed << ": the view stays";
    }
  }
  // Jupiter, once more: drawn on the centre of the frame on screen.
  look_for("Jupiter");
  const auto& jupiter = form.driver().shown_frame()->objects[sun_index + 5];
  ASSERT_TRUE(jupiter.xp && jupiter.yp);
  EXPECT_LE(std::hypot(*jupiter.xp - xc_sky, *jupiter.yp - yc_sky), pixel_tolerance);
}

TEST(Steering, TheFoundObjectIsRingedUntilTheViewChanges) {
  Form1 form;
  start_tokyo_paused(form);
  auto* find = child<QLineEdit>(form, "FindBox");
  const auto find_jupiter = [&] {
    find->clear();
    QTest::keyClicks(find, "Jupiter");
    QTest::keyClick(find, Qt::Key_Return);
    const FrameReport& f = *form.driver().shown_frame();
    EXPECT_TRUE(f.mark && std::hypot(f.mark->x - xc_sky, f.mark->y - yc_sky) <= pixel_tolerance)
        << "ringed at the centre, on screen at once";
  };
  // Each way the view changes ends the ring.
  const struct {
    const char* why;
    std::function<void()> change;
  } cases[] = {
      {"an arrow key on the sky",
       [&] {
         visible_sky(form)->setFocus();
         QTest::keyClick(visible_sky(form), Qt::Key_Left);
       }},
      {"zooming", [&] { form.steering_panel()->zoom_by(1); }},
      {"dragging the sky",
       [&] {
         PictureBox* sky = visible_sky(form);
         send_mouse(sky, QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
         send_mouse(sky, QEvent::MouseMove, {340, 330}, Qt::LeftButton);
         send_mouse(visible_sky(form), QEvent::MouseButtonRelease, {340, 330}, Qt::NoButton);
       }},
      {"typing the view's altitude, then the next frame",
       [&] {
         type_into(form, "Text8", "30");
         press(form, "Command2");
         form.Timer1_Timer();
         form.Timer1_Timer();
         press(form, "Command2");
       }},
  };
  for (const auto& c : cases) {
    find_jupiter();
    c.change();
    EXPECT_FALSE(form.driver().shown_frame()->mark) << c.why;
    EXPECT_FALSE(form.driver().last_frame().mark) << c.why;
  }
}

TEST(Steering, TheCompletionListStaysInsideTheWindow) {
  Form1 form;
  form.show();
  auto* find = child<QLineEdit>(form, "FindBox");
  find->setFocus();
  QTest::keyClicks(find, "a");  // many names: the list opens
  QWidget* popup = find->completer()->popup();
  ASSERT_TRUE(popup->isVisible());
  const QRect window(form.mapToGlobal(QPoint(0, 0)), form.size());
  const QRect list(popup->mapToGlobal(QPoint(0, 0)), popup->size());
  EXPECT_LE(list.right(), window.right()) << "the list's right edge";
  EXPECT_GE(list.left(), window.left());
}

TEST(Steering, StepButtonsWorkWhilePausedByTheChosenStep) {
  Form1 form;
  auto* back = child<QPushButton>(form, "StepBack");
  auto* on = child<QPushButton>(form, "StepOn");
  EXPECT_FALSE(on->isEnabled()) << "before Start";
  start_tokyo_paused(form);
  EXPECT_TRUE(on->isEnabled());
  auto* step = child<QComboBox>(form, "StepBox");
  EXPECT_EQ(step->currentText(), QString::fromUtf8("1 分"));
  step->setCurrentIndex(step->findText(QString::fromUtf8("1 時間")));

  const struct {
    QPushButton* button;
    double hours;
  } cases[] = {{on, 1}, {on, 1}, {back, -1}};
  for (const auto& c : cases) {
    const double before = form.driver().shown_frame()->t2000;
    QTest::mouseClick(c.button, Qt::LeftButton);
    EXPECT_NEAR((form.driver().shown_frame()->t2000 - before) * 36525 * 24, c.hours, 1e-6);
  }
  // Steps under a minute: the panel tells the moment on screen to the second.
  auto* moment = child<QLabel>(form, "StepMoment");
  EXPECT_EQ(moment->text(), "") << "an hour's step";
  step->setCurrentIndex(step->findText(QString::fromUtf8("10 秒")));
  QTest::mouseClick(on, Qt::LeftButton);  // 21:00 + 1 h + 10 s
  EXPECT_EQ(moment->text(), "2027-01-15 22:00:10");

  press(form, "Command2");  // running
  EXPECT_FALSE(on->isEnabled());
  EXPECT_FALSE(back->isEnabled());
}

TEST(Steering, TheZoomReadOutShowsWhole) {
  Form1 form;
  SteeringPanel* panel = form.steering_panel();
  auto* label = child<QLabel>(form, "ZoomText");
  for (int level = 0; level <= zoom_level_max; ++level) {
    panel->zoom_by(level - panel->zoom_level());
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    EXPECT_LE(needed, label->contentsRect().width()) << label->text().toStdString();
  }
}

TEST(Steering, NewControlsStandInTheRightColumnBelowTheAlmanacButton) {
  Form1 form;
  const QRect column(696, 297, 831 - 696, 869 - 297);  // below 暦, right of the sky
  const QList<QGroupBox*> groups = form.steering_panel()->findChildren<QGroupBox*>();
  ASSERT_EQ(groups.size(), 4);
  for (QGroupBox* g : groups) {
    const QRect r(g->mapTo(&form, QPoint(0, 0)), g->size());
    EXPECT_TRUE(column.contains(r)) << g->objectName().toStdString();
    for (QGroupBox* other : groups) {
      if (other == g) continue;
      EXPECT_FALSE(g->geometry().intersects(other->geometry()));
    }
    const QList<QWidget*> controls = g->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : controls) {
      EXPECT_TRUE(g->rect().contains(w->geometry())) << w->objectName().toStdString();
      for (QWidget* other : controls) {
        if (other == w) continue;
        EXPECT_FALSE(w->geometry().intersects(other->geometry()))
            << w->objectName().toStdString() << " / " << other->objectName().toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace hz

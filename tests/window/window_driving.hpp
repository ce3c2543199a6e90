// SPDX-License-Identifier: GPL-3.0-or-later
// Driving the window as a user does, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "window/form1.hpp"

namespace hz::testing {

// The child control of that name; a test failure when there is none.
template <typename W>
W* child(const Form1& form, const char* name) {
  W* w = form.findChild<W*>(name);
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Replaces a text box's text by typing.
inline void type_into(Form1& form, const char* name, const char* text) {
  QLineEdit* edit = child<QLineEdit>(form, name);
  edit->clear();
  QTest::keyClicks(edit, text);  // ASCII only: keyClicks aborts on other text
}

// Clicks a push button.
inline void press(Form1& form, const char* button) {
  QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
}

inline void press_start(Form1& form) { press(form, "Command1"); }

// Tokyo, 2027-01-15 21:00 JST, started and paused with two frames drawn.
inline void start_tokyo_paused(Form1& form) {
  type_into(form, "Text1", "139.7");
  type_into(form, "Text2", "35.7");
  type_into(form, "Text5", "2027");
  type_into(form, "Text6", "1");
  type_into(form, "Text7", "15");
  type_into(form, "Text3", "21");
  type_into(form, "Text4", "0");
  press_start(form);
  press_start(form);
  press(form, "Command2");
  ASSERT_FALSE(form.timer().enabled());
}

}  // namespace hz::testing

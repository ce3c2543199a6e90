// SPDX-License-Identifier: GPL-3.0-or-later
// What the session's actions write into the fields, as a user would type it:
// 今, a place of the list, the moment on screen, the line of sight. Every
// front end writes these texts and nothing of its own making.
#pragma once

#include "frame/fields.hpp"
#include "frame/frame_driver.hpp"
#include "places/places.hpp"
#include "steer/grab_view.hpp"
#include "time/jst_now.hpp"

namespace hz {

// 今: the date and time fields for a minute of JST (from the computer's
// clock, or a clock a test sets): "2026", "12", "9", "21", "5".
FieldTexts now_fields(const JstMinute& now);

// A place of the list: the longitude and latitude fields, degrees to 0.01.
FieldTexts place_fields(const Place& place);

// The date and time fields for the moment of a frame in JST, the minutes to a
// ten-thousandth, so that a sky started afresh from them goes on from where it
// was. None where the calendar cannot name the moment.
FieldTexts moment_fields(const FrameReport& frame);

// The line of sight written as the view fields, in steps of that many
// decimals (in_field_steps).
FieldTexts view_fields(const HorizonDirection& view, int decimals);

// The line of sight as the fields read now: a field that does not read as a
// number keeps the direction of the frame on screen (90, 180 before Start).
HorizonDirection typed_view(const FieldReader& fields, const FrameDriver& driver);

}  // namespace hz

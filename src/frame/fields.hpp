// SPDX-License-Identifier: GPL-3.0-or-later
// What the frame driver reads from the window: the text boxes and the display
// options, and the timer it drives. The window supplies
// them from its widgets; the headless renderer from its command line.
#pragma once

#include <map>
#include <string>

#include "frame/frame_options.hpp"

namespace hz {

// The fields a user types, each read as text by the number rule. The place
// in degrees, the start moment in JST, the line of sight in degrees and the
// frame interval in hundredths of a second.
enum class Field {
  longitude,
  latitude,
  hour,
  minute,
  year,
  month,
  day,
  view_altitude,
  view_azimuth,
  frame_interval,
};

// Texts for some of the fields, as a front end would type them.
using FieldTexts = std::map<Field, std::string>;

class FieldReader {
 public:
  virtual ~FieldReader() = default;
  virtual std::string text(Field f) const = 0;  // UTF-8
  virtual FrameOptions options() const = 0;     // as set now
};

// The periodic timer: enabled flag and interval in milliseconds (0..65535).
// An enabled timer with interval 0 produces no ticks.
class FrameTimer {
 public:
  virtual ~FrameTimer() = default;
  virtual bool enabled() const = 0;
  virtual void set_enabled(bool on) = 0;
  virtual int interval() const = 0;
  virtual void set_interval(int ms) = 0;
};

}  // namespace hz

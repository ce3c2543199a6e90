// SPDX-License-Identifier: GPL-3.0-or-later
// The page's fields and controls as the session reads them: the texts typed
// into the page's boxes and the state of its switches, zoom and step.
#pragma once

#include <string>

#include "frame/field_table.hpp"
#include "steer/sky_controls.hpp"
#include "steer/sky_session.hpp"

namespace hz::web {

class WebFields : public FieldStore {
 public:
  std::string text(Field f) const override { return texts_.at(f); }
  void set_text(Field f, const std::string& utf8) override { texts_[f] = utf8; }
  FrameOptions options() const override {
    FrameOptions o = controls.options();
    o.pixel_ratio = pixel_ratio;
    return o;
  }

  SkyControls controls;
  double pixel_ratio = 1;  // the device's, as the frame takes it (pixel_ratio_for_screen)

 private:
  FieldTexts texts_ = default_field_texts();  // as the window opens
};

}  // namespace hz::web

// SPDX-License-Identifier: GPL-3.0-or-later
// Fields typed by a test, as a user would type them into the window.
#pragma once

#include <map>
#include <string>

#include "frame/field_table.hpp"

namespace hz::testing {

class FakeFields : public FieldReader {
 public:
  FakeFields() : texts_(default_field_texts()) {}
  std::string text(Field f) const override { return texts_.at(f); }
  FrameOptions options() const override { return options_; }

  FakeFields& set(Field f, std::string s) {
    texts_[f] = std::move(s);
    return *this;
  }
  // Place, date and JST start time in one go.
  FakeFields& start(double lon, double lat, int yr, int mn, int dy, int hh, int mm) {
    set(Field::longitude, std::to_string(lon));
    set(Field::latitude, std::to_string(lat));
    set(Field::year, std::to_string(yr));
    set(Field::month, std::to_string(mn));
    set(Field::day, std::to_string(dy));
    set(Field::hour, std::to_string(hh));
    return set(Field::minute, std::to_string(mm));
  }
  FrameOptions options_;

 private:
  FieldTexts texts_;
};

}  // namespace hz::testing

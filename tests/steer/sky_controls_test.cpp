// SPDX-License-Identifier: GPL-3.0-or-later
// The decisions every front end shares: what a key of the sky does, the name
// looked up from the find box, the name a saved frame is offered under.
#include "steer/sky_controls.hpp"

#include <gtest/gtest.h>

#include "frame/caption.hpp"
#include "frame/frame_report.hpp"
#include "steer/find_view.hpp"
#include "steer/sky_session.hpp"

namespace hz {
namespace {

TEST(SkyKeys, EachKeyDoesWhatTheWindowAlwaysDid) {
  struct Case {
    const char* key;
    bool shift, other;
    std::optional<SkySwitch> toggle;
    int zoom;
    double d_alt, d_az;
    bool taken;
  };
  const Case cases[] = {
      {"c", false, false, SkySwitch::lines, 0, 0, 0, true},
      {"V", false, false, SkySwitch::names, 0, 0, 0, true},
      {"b", false, false, SkySwitch::boundaries, 0, 0, 0, true},
      {"t", false, false, SkySwitch::trails, 0, 0, 0, true},
      {"C", true, false, {}, 0, 0, 0, false},  // Shift+C is not C
      {"e", false, false, SkySwitch::equatorial_grid, 0, 0, 0, true},
      {",", false, false, SkySwitch::ecliptic, 0, 0, 0, true},
      {".", false, false, SkySwitch::equator, 0, 0, 0, true},
      {";", false, false, SkySwitch::meridian, 0, 0, 0, true},
      {";", true, false, {}, 0, 0, 0, false},  // Shift+; is + on a Japanese keyboard
      {"+", true, false, {}, 1, 0, 0, true},   // + needs Shift on a Japanese keyboard
      {"=", false, false, {}, 1, 0, 0, true},
      {"-", false, false, {}, -1, 0, 0, true},
      {"ArrowUp", false, false, {}, 0, 5, 0, true},
      {"ArrowLeft", true, false, {}, 0, 0, -1, true},
      {"ArrowRight", false, true, {}, 0, 0, 0, false},  // Ctrl+arrow belongs to others
      {"x", false, false, {}, 0, 0, 0, false},
  };
  for (const Case& c : cases) {
    const auto a = sky_key(c.key, c.shift, c.other);
    ASSERT_EQ(a.has_value(), c.taken) << c.key;
    if (!a) continue;
    EXPECT_EQ(a->toggle, c.toggle) << c.key;
    EXPECT_EQ(a->zoom_steps, c.zoom) << c.key;
    EXPECT_EQ(a->d_alt, c.d_alt) << c.key;
    EXPECT_EQ(a->d_az, c.d_az) << c.key;
  }
}

TEST(FindBoxText, TheNameBeforeTheEnglishOneIsLookedUp) {
  const std::pair<const char*, const char*> cases[] = {
      {"木星 (Jupiter)", "木星"},
      {"\u3000シリウス\u3000", "シリウス"},
      {"オリオン座(Orion)", "オリオン座"},
      {"(Orion)", "(Orion)"},
      {"a (b) (c)", "a"},
      {"Mars ()", "Mars ()"},
  };
  for (const auto& [text, name] : cases) EXPECT_EQ(target_name_of(text), name) << text;
  const auto labels = target_labels();
  EXPECT_NE(std::find(labels.begin(), labels.end(), "木星 (Jupiter)"), labels.end());
}

TEST(SavedFrameName, TheCaptionsMomentInTheName) {
  FrameReport frame;
  frame.caption = {"2027 年1 月15 日", "21 時05 分 (JST)"};
  EXPECT_EQ(frame_file_name(&frame), "hoshizora-2027-01-15-2105.png");
  frame.caption = {"-44 年3 月15 日", "09 時00 分 (JST)"};
  EXPECT_EQ(frame_file_name(&frame), "hoshizora--44-03-15-0900.png");
  frame.caption = {"", ""};  // beyond the calendar
  EXPECT_EQ(frame_file_name(&frame), "hoshizora.png");
  EXPECT_EQ(frame_file_name(nullptr), "hoshizora.png");
}

}  // namespace
}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render_options.hpp"

#include <gtest/gtest.h>

namespace hz {
namespace {

RenderOptions parse_ok(const std::vector<std::string>& args) {
  auto r = parse_render_options(args);
  EXPECT_TRUE(std::holds_alternative<RenderOptions>(r))
      << (std::holds_alternative<std::string>(r) ? std::get<std::string>(r) : "");
  return std::holds_alternative<RenderOptions>(r) ? std::get<RenderOptions>(r) : RenderOptions{};
}

TEST(RenderOptions, DefaultsAreTheWindowsFieldsAtStart) {
  const RenderOptions o = parse_ok({});
  EXPECT_EQ(o.texts.at(Field::longitude), " ");
  EXPECT_EQ(o.texts.at(Field::month), "");
  EXPECT_EQ(o.texts.at(Field::view_altitude), "90");
  EXPECT_EQ(o.texts.at(Field::view_azimuth), "180");
  EXPECT_EQ(o.texts.at(Field::frame_interval), " 10");
  EXPECT_EQ(o.frames, 1);
  EXPECT_FALSE(o.frame.grid || o.frame.stars_by_day || o.png || o.table);
}

TEST(RenderOptions, ValuesAreKeptAsTextForTheNumberRule) {
  const RenderOptions o = parse_ok(
      {"--longitude", "135", "--latitude=35.5", "--month=-1", "--day=", "--hour", "-3", "--year",
       "2026abc", "--grid", "--daytime-stars", "--frames", "12", "--png", "a.png", "--table", "-"});
  EXPECT_EQ(o.texts.at(Field::longitude), "135");
  EXPECT_EQ(o.texts.at(Field::latitude), "35.5");
  EXPECT_EQ(o.texts.at(Field::month), "-1");
  EXPECT_EQ(o.texts.at(Field::day), "") << "an empty text can be given";
  EXPECT_EQ(o.texts.at(Field::hour), "-3") << "the next argument is the value, even with a dash";
  EXPECT_EQ(o.texts.at(Field::year), "2026abc");
  EXPECT_TRUE(o.frame.grid && o.frame.stars_by_day);
  EXPECT_EQ(o.frames, 12);
  EXPECT_EQ(*o.png, "a.png");
  EXPECT_EQ(*o.table, "-");
}

TEST(RenderOptions, TheConstellationSwitchesSetTheFrameOptions) {
  const RenderOptions o =
      parse_ok({"--constellation-lines", "--constellation-names", "--constellation-boundaries",
                "--magnitude-limit", "-1.5", "--constellation-table", "c.tsv"});
  EXPECT_TRUE(o.frame.constellation_lines && o.frame.constellation_names &&
              o.frame.constellation_boundaries);
  EXPECT_EQ(o.frame.magnitude_limit, -1.5);
  EXPECT_EQ(o.constellation_table, "c.tsv");
  EXPECT_FALSE(parse_ok({}).frame.magnitude_limit) << "the built-in 300 only, by default";
  EXPECT_EQ(parse_ok({"--magnitude-limit=+6"}).frame.magnitude_limit, 6.0);
}

TEST(RenderOptions, ZoomAndStepSetTheFrameOptions) {
  const struct {
    std::vector<std::string> args;
    double zoom;
    TimeStep step;
    double pixel_ratio = 1;
  } cases[] = {
      {{}, 1, TimeStep{}},
      {{"--zoom", "16", "--step", "10s"}, 16, {10'000, false}},
      {{"--zoom=2.5", "--step=-1h", "--pixel-ratio", "1.25"}, 2.5, {3'600'000, true}, 1.25},
      {{"--step", "-1sd", "--zoom", "1", "--pixel-ratio=3"}, 1, {86'164'090, true}, 3},
      {{"--step", "1d"}, 1, {86'400'000, false}},
  };
  for (const auto& c : cases) {
    const RenderOptions o = parse_ok(c.args);
    EXPECT_EQ(o.frame.zoom, c.zoom);
    EXPECT_EQ(o.frame.step, c.step);
    EXPECT_EQ(o.frame.pixel_ratio, c.pixel_ratio);
  }
}

// --trails draws the frames of its hours at the step; --path takes --days
// (60 without it), a body by its English (any case) or Japanese name.
TEST(RenderOptions, MotionOptionsSetTheFramesAndThePath) {
  const struct {
    std::vector<std::string> args;
    bool trails;
    long frames;
    int path_object;  // 0: none
    int path_days;
    bool horizon, planets;
  } cases[] = {
      {{"--trails", "1"}, true, 61, 0, 0, false, false},
      {{"--trails=24", "--step", "10m"}, true, 145, 0, 0, false, false},
      {{"--trails", "0.01", "--step", "1h"}, true, 2, 0, 0, false, false},
      {{"--path", "Mars", "--days", "123"}, false, 1, sun_index + 4, 123, false, false},
      {{"--path=月"}, false, 1, moon_index, 60, false, false},
      {{"--path", "sun", "--path-horizon", "--days=365"}, false, 1, sun_index, 365, true, false},
      {{"--planets"}, false, 1, 0, 0, false, true},
  };
  for (const auto& c : cases) {
    const RenderOptions o = parse_ok(c.args);
    EXPECT_EQ(o.frame.trails, c.trails) << c.args[0];
    EXPECT_EQ(o.frames, c.frames) << c.args[0];
    EXPECT_EQ(o.frame.path ? o.frame.path->object : 0, c.path_object) << c.args[0];
    if (o.frame.path) {
      EXPECT_EQ(o.frame.path->days, c.path_days);
      EXPECT_EQ(o.frame.path->horizon, c.horizon);
      EXPECT_FALSE(o.frame.path->from_t2000) << "from the start moment";
    }
    EXPECT_EQ(o.planets, c.planets);
  }
}

TEST(RenderOptions, BadUsageIsAnError) {
  const std::vector<std::vector<std::string>> bad = {
      {"--frames", "0"},
      {"--frames", "-2"},
      {"--frames", "x"},
      {"--frames"},
      {"--bogus"},
      {"--longitude"},
      {"--grid=1"},
      {"--png="},
      {"--magnitude-limit", "x"},
      {"--magnitude-limit", "6.01"},
      {"--magnitude-limit=-2.5"},
      {"--magnitude-limit", "5abc"},
      {"--magnitude-limit", "nan"},
      {"--magnitude-limit"},
      {"--constellation-lines=1"},
      {"--constellation-table"},
      {"--zoom", "0.99"},
      {"--zoom", "16.01"},
      {"--zoom", "x"},
      {"--zoom=nan"},
      {"--zoom"},
      {"--step", "2h"},
      {"--step", "--1h"},
      {"--step=+1h"},
      {"--step"},
      {"--trails", "0"},
      {"--trails", "1", "--frames", "3"},
      {"--path", "earth"},
      {"--path", "sirius"},
      {"--path", "mars", "--days", "3661"},
      {"--path-horizon"},
      {"--days", "3"},
      {"--planets=1"},
      {"--pixel-ratio", "1.75"},
      {"--pixel-ratio", "4"},
      {"--pixel-ratio", "0.5"},
      {"--pixel-ratio"},
  };
  for (const auto& args : bad) {
    EXPECT_TRUE(std::holds_alternative<std::string>(parse_render_options(args))) << args[0];
  }
}

TEST(RenderOptions, NowAndPlaceFillTheFieldsWhereTheyStand) {
  const JstMinute now{2027, 1, 1, 0, 5};
  const struct {
    std::vector<std::string> args;
    Field field;
    const char* text;
    const char* why;
  } cases[] = {
      {{"--now"}, Field::year, "2027", "the year"},
      {{"--now"}, Field::month, "1", "the month"},
      {{"--now"}, Field::day, "1", "the day"},
      {{"--now"}, Field::hour, "0", "the hour, JST"},
      {{"--now"}, Field::minute, "5", "the minute"},
      {{"--now", "--hour", "21"}, Field::hour, "21", "a later field wins"},
      {{"--hour", "21", "--now"}, Field::hour, "0", "a later --now wins"},
      {{"--place", "札幌"}, Field::longitude, "141.35", "the longitude"},
      {{"--place", "sapporo"}, Field::latitude, "43.06", "the latitude"},
      {{"--place=明石"}, Field::longitude, "135.00", "with '='"},
      {{"--place", "Naha", "--latitude", "26"}, Field::latitude, "26", "a later field wins"},
  };
  for (const auto& c : cases) {
    const auto r = parse_render_options(c.args, now);
    ASSERT_TRUE(std::holds_alternative<RenderOptions>(r)) << c.why;
    EXPECT_EQ(std::get<RenderOptions>(r).texts.at(c.field), c.text) << c.why;
  }
}

TEST(RenderOptions, PlaceListAndFind) {
  EXPECT_TRUE(parse_ok({"--place", "list"}).list_places);
  const RenderOptions o = parse_ok({"--find", "オリオン座"});
  ASSERT_TRUE(o.find);
  EXPECT_EQ(o.find->name_en, "Orion");
  const struct {
    std::vector<std::string> args;
    const char* message;
  } bad[] = {
      {{"--place", "Atlantis"}, "see --place list"},
      {{"--place"}, "--place needs a place"},
      {{"--find", "Vulcan"}, "unknown object 'Vulcan'"},
      {{"--find"}, "--find needs the name of an object"},
      {{"--now=yes"}, "--now takes no value"},
  };
  for (const auto& c : bad) {
    const auto r = parse_render_options(c.args);
    ASSERT_TRUE(std::holds_alternative<std::string>(r)) << c.args[0];
    EXPECT_NE(std::get<std::string>(r).find(c.message), std::string::npos)
        << std::get<std::string>(r);
  }
}

TEST(RenderOptions, HelpNamesEveryOption) {
  const std::string usage = render_usage();
  for (const char* name : {"--longitude",
                           "--latitude",
                           "--year",
                           "--month",
                           "--day",
                           "--hour",
                           "--minute",
                           "--view-altitude",
                           "--view-azimuth",
                           "--interval",
                           "--grid",
                           "--daytime-stars",
                           "--frames",
                           "--png",
                           "--table",
                           "--help",
                           "--constellation-lines",
                           "--constellation-names",
                           "--constellation-boundaries",
                           "--magnitude-limit",
                           "--constellation-table",
                           "--now",
                           "--place",
                           "--find",
                           "--zoom",
                           "--step",
                           "--trails",
                           "--path",
                           "--path-horizon",
                           "--planets"}) {
    EXPECT_NE(usage.find(name), std::string::npos) << name;
  }
  EXPECT_NE(usage.find("mag code name;"), std::string::npos) << "the table's last column";
}

}  // namespace
}  // namespace hz

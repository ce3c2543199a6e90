// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/golden_frames.hpp"

#include <QCryptographicHash>
#include <QImage>
#include <functional>
#include <sstream>

#include "cli/headless_frames.hpp"
#include "cli/object_table.hpp"
#include "support/fake_fields.hpp"

namespace hz::testing {
namespace {

// A run: fields typed before Start, then frames one after another, with
// optional edits of the fields before each frame after the first.
struct Run {
  std::string name;
  std::function<void(FakeFields&)> type;
  int frames = 1;
  int hash_every = 1;  // frames 0, n, 2n ... are hashed
  std::function<void(FakeFields&, int frame)> edit = nullptr;
};

std::string hex_sha256(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

// The pixels as 8-bit RGB rows, so that the hash does not depend on how the
// surface stores its image.
std::string pixels_sha(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  QByteArray bytes;
  for (int y = 0; y < rgb.height(); ++y) {
    bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
  }
  return hex_sha256(bytes);
}

// The table's hash leaves out its last column, name, from the header and
// every row, so that the hashes cover the columns the frames compute.
std::string table_sha(const FrameDriver& driver) {
  std::ostringstream out;
  write_object_table(out, driver.last_frame(), driver.stars());
  std::istringstream in(out.str());
  std::string kept;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind('#', 0) != 0) line.erase(line.rfind('\t'));
    kept += line + '\n';
  }
  return hex_sha256(QByteArray::fromStdString(kept));
}

void draw_run(const Run& run, std::vector<GoldenFrame>& out) {
  FakeFields fields;
  HeadlessFrames frames(fields);
  FrameDriver& driver = frames.driver();
  run.type(fields);
  for (int k = 0; k < run.frames; ++k) {
    if (k > 0 && run.edit) run.edit(fields, k);
    if (driver.start()) {
      out.push_back({run.name + "/" + std::to_string(k), "refused", "refused"});
      return;
    }
    if (k % run.hash_every != 0) continue;
    const auto& drawn = static_cast<const ImageSurface&>(*driver.pic_draw());
    out.push_back(
        {run.name + "/" + std::to_string(k), pixels_sha(drawn.image()), table_sha(driver)});
  }
}

struct Place {
  const char *lon, *lat;
};
struct Moment {
  const char *yr, *mn, *dy, *hh, *mm;
};
struct View {
  const char *alt, *az;
};

// Texts as a user types them, blanks and signs included.
const Place kPlaces[] = {{"139.7", "35.7"}, {"0", "0"},   {"-70.7", "-33.4"},  {"-21.9", "64.1"},
                         {"15", "89.9"},    {"0", "-90"}, {" 151.2", "-33.9 "}};
const Moment kMoments[] = {{"1800", "1", "1", "0", "0"},    {"1850", "6", "15", "12", "30"},
                           {"1900", "3", "21", "6", "0"},   {"1969", "7", "21", "5", "17"},
                           {"2000", "1", "1", "21", "0"},   {"2024", "4", "8", "3", "0"},
                           {"2026", "12", "7", "21", "0"},  {"2026", "6", "21", "12", "0"},
                           {"2100", "9", "30", "18", "45"}, {"2200", "12", "31", "23", "59"},
                           {"2012", "2", "29", "4", "4"}};
const View kViews[] = {{"90", "180"}, {"89.4", "0"}, {"89.6", "45"}, {"0", "180"},
                       {"0", "0"},    {"-30", "90"}, {"45", "400"},  {"10", "725.5"},
                       {"-90", "0"},  {"30", "-45"}, {"60", "270"},  {"89.5", "123"}};

std::function<void(FakeFields&)> typed(Place p, Moment m, View v, bool grid, bool day_stars) {
  return [=](FakeFields& f) {
    f.set(Field::longitude, p.lon).set(Field::latitude, p.lat);
    f.set(Field::year, m.yr).set(Field::month, m.mn).set(Field::day, m.dy);
    f.set(Field::hour, m.hh).set(Field::minute, m.mm);
    f.set(Field::view_altitude, v.alt).set(Field::view_azimuth, v.az);
    f.options_.grid = grid;
    f.options_.stars_by_day = day_stars;
  };
}

std::vector<Run> golden_runs() {
  std::vector<Run> runs;
  // Single frames: places, moments and views mixed by coprime strides.
  for (int i = 0; i < 154; ++i) {
    const bool grid = (i / 5) % 2 == 1, day_stars = (i / 13) % 2 == 1;
    runs.push_back({"single-" + std::to_string(i),
                    typed(kPlaces[i % 7], kMoments[i % 11], kViews[i % 12], grid, day_stars)});
  }

  const Place tokyo{"139.7", "35.7"};
  runs.push_back({"untouched-fields", [](FakeFields&) {}});
  // The line of sight turns one degree a frame, and climbs through the zenith.
  runs.push_back(
      {"turning-view", typed(tokyo, kMoments[6], {"40", "180"}, true, false), 30, 1,
       [](FakeFields& f, int k) { f.set(Field::view_azimuth, std::to_string(180 + k)); }});
  runs.push_back({"climbing-view", typed(tokyo, kMoments[6], {"85", "0"}, false, false), 13, 1,
                  [](FakeFields& f, int k) {
                    const char* alts[] = {"85",   "86",   "87", "88",   "89", "89.4", "89.5",
                                          "89.6", "89.9", "90", "90.5", "91", "-5"};
                    f.set(Field::view_altitude, alts[k]);
                  }});
  runs.push_back({"grid-toggled", typed(tokyo, kMoments[6], {"90", "180"}, false, false), 6, 1,
                  [](FakeFields& f, int k) { f.options_.grid = k % 2 == 1; }});
  runs.push_back({"day-stars-toggled", typed(tokyo, kMoments[7], {"60", "180"}, true, false), 6, 1,
                  [](FakeFields& f, int k) { f.options_.stars_by_day = k % 2 == 1; }});
  // A view held for three frames, then changed: the dome drawn back from
  // memory must give way to the new one.
  runs.push_back(
      {"held-then-turned", typed(tokyo, kMoments[6], {"40", "180"}, true, false), 12, 1,
       [](FakeFields& f, int k) { f.set(Field::view_azimuth, std::to_string(180 + k / 3)); }});
  runs.push_back({"held-then-climbed", typed(tokyo, kMoments[6], {"30", "200"}, true, false), 12, 1,
                  [](FakeFields& f, int k) {
                    f.set(Field::view_altitude, std::to_string(30 + 20 * (k / 3)));
                  }});
  runs.push_back({"held-then-grid-toggled", typed(tokyo, kMoments[6], {"50", "90"}, false, false),
                  12, 1, [](FakeFields& f, int k) { f.options_.grid = (k / 3) % 2 == 1; }});
  // Sunrise and sunset: the sky colour changes between two frames.
  runs.push_back(
      {"sunrise", typed(tokyo, {"2026", "12", "7", "6", "10"}, {"10", "120"}, true, false), 50});
  runs.push_back(
      {"sunset", typed(tokyo, {"2026", "6", "21", "18", "40"}, {"10", "300"}, false, true), 40});
  // Place and date are read once: edits after Start change nothing.
  runs.push_back(
      {"place-edited-after-start", typed(tokyo, kMoments[6], kViews[0], true, true), 3, 1,
       [](FakeFields& f, int) { f.set(Field::longitude, "0").set(Field::year, "1900"); }});
  // A whole day, minute by minute, through midnight.
  runs.push_back({"whole-day",
                  typed(tokyo, {"2026", "12", "31", "12", "0"}, kViews[0], true, false), 1441, 60});
  return runs;
}

}  // namespace

std::vector<GoldenFrame> draw_golden_frames() {
  std::vector<GoldenFrame> frames;
  for (const Run& run : golden_runs()) draw_run(run, frames);
  return frames;
}

std::string golden_line(const GoldenFrame& f) {
  return f.name + '\t' + f.pixels_sha + '\t' + f.table_sha;
}

}  // namespace hz::testing

// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the numeric core: the calendar, the horizon conversion, the
// planets and the Moon, and everything one frame computes for its bodies.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include "common/constants.hpp"
#include "common/object_layout.hpp"
#include "ephem/moon.hpp"
#include "ephem/planets.hpp"
#include "time/calendar.hpp"
#include "time/horizon.hpp"

namespace {

constexpr double t_start = 0.2693258042436687;  // 2026-12-07 15:00 UT
constexpr double minute = 1.0 / 36525 / 1440;
constexpr double lat = 35 * hz::rd;
constexpr double lon = 135 * hz::rd;

struct Star {
  double ra;  // radians
  double dc;  // radians
};

// 300 directions spread evenly over the sphere (a Fibonacci lattice); the
// cost of a conversion does not depend on which stars they are.
std::array<Star, hz::star_count> make_stars() {
  std::array<Star, hz::star_count> s{};
  const double golden = hz::pi * (3 - std::sqrt(5.0));
  for (int i = 0; i < hz::star_count; ++i) {
    const double z = 1 - (2 * i + 1) / double(hz::star_count);
    s[i] = {std::fmod(i * golden, 2 * hz::pi), std::asin(z)};
  }
  return s;
}

void BM_DateToDay(benchmark::State& state) {
  double ut = 15;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hz::date_to_day(2026, 12, 7, ut));
    ut = ut + 1.0 / 60;
    if (ut >= 24) ut = 0;
  }
}
BENCHMARK(BM_DateToDay);

// The year search and the month scan, with no time of day around them.
void BM_DayToDate(benchmark::State& state) {
  double tjt = 155935;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hz::day_to_date(tjt));
    tjt = tjt + 1;
  }
}
BENCHMARK(BM_DayToDate);

void BM_CenturiesToDate(benchmark::State& state) {
  double t2000 = t_start;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hz::centuries_to_date(t2000));
    t2000 = t2000 + minute;
  }
}
BENCHMARK(BM_CenturiesToDate);

void BM_Altaz(benchmark::State& state) {
  double t = t_start, ut = 15;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hz::altaz(6.7522 * 15 * hz::rd, -16.7241 * hz::rd, lat, lon, t, ut));
    t = t + minute;
    ut = ut + 1.0 / 60;
  }
}
BENCHMARK(BM_Altaz);

void BM_Plpl(benchmark::State& state) {
  const double k = static_cast<double>(state.range(0));
  double t = t_start;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hz::plpl(k, t));
    t = t + minute;
  }
}
BENCHMARK(BM_Plpl)->DenseRange(0, 9);

void BM_Moon(benchmark::State& state) {
  double t = t_start;
  for (auto _ : state) {
    benchmark::DoNotOptimize(hz::moon(t));
    t = t + minute;
  }
}
BENCHMARK(BM_Moon);

// One frame's body work: the ten plpl and the Moon, the Sun's altitude for
// day or night, then the horizon place of 300 stars and of the 11 bodies.
void BM_FrameBodies(benchmark::State& state) {
  const std::array<Star, hz::star_count> stars = make_stars();
  double t = t_start, ut = 15;
  for (auto _ : state) {
    std::array<hz::Geocentric, 10> pl;
    for (int k = 0; k <= 9; ++k) pl[k] = hz::plpl(k, t);
    const hz::MoonPlace mo = hz::moon(t);

    double sum = hz::altaz(pl[0].ra, pl[0].dc, lat, lon, t, ut).alt;
    for (const Star& s : stars) sum = sum + hz::altaz(s.ra, s.dc, lat, lon, t, ut).alt;
    for (const hz::Geocentric& g : pl) sum = sum + hz::altaz(g.ra, g.dc, lat, lon, t, ut).alt;
    sum = sum + hz::altaz(mo.ra, mo.dc, lat, lon, t, ut).alt;
    benchmark::DoNotOptimize(sum);
    t = t + minute;
    ut = ut + 1.0 / 60;
  }
}
BENCHMARK(BM_FrameBodies);

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// Timing of the almanac: a whole year of days for one place, every body and
// event (rising, setting, transit, twilights, phases, the Moon's age), as
// the almanac window or a year of --almanac output asks for it. Target:
// 50 ms for the year.
#include <benchmark/benchmark.h>

#include <cstddef>

#include "almanac/almanac_day.hpp"

namespace {

void BM_AlmanacYear(benchmark::State& state) {
  for (auto _ : state) {
    std::size_t events = 0;
    // Day 1..365 of January counts on through the year.
    for (int dy = 1; dy <= 365; ++dy)
      events += hz::almanac_day(139.7, 35.7, 2026, 1, dy)->events.size();
    benchmark::DoNotOptimize(events);
  }
}
BENCHMARK(BM_AlmanacYear)->Unit(benchmark::kMillisecond);

void BM_AlmanacDay(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(hz::almanac_day(139.7, 35.7, 2026, 12, 20));
}
BENCHMARK(BM_AlmanacDay)->Unit(benchmark::kMicrosecond);

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// How far the program's sky lies from Swiss Ephemeris: prints a Markdown
// table of the angular errors of the Sun, the Moon and the planets, of
// Greenwich sidereal time and of the precessed star places. Run by hand,
// through tools/accuracy.sh, never by the tests:
//
//   accuracy-table BRIGHT_STARS_TSV
//
// Bodies and sidereal time: Debian's swetest, run once per moment with its
// built-in Moshier ephemeris (-emos, no data files). Its default place is
// the apparent one: geocentric, light time, aberration, light deflection and
// nutation applied, true equator and equinox of date. The program's places
// are taken at t2000 = (JD - 2451545) / 36525 of the moment in UT, the value
// the calendar gives for it, and compared with swetest at that UT moment (-ut). Moments: 500 drawn
// uniformly from 1900 to 2100 and 100 from -2000 to 1900 and 2100 to 4000, by a 64-bit Mersenne
// Twister with a fixed seed, so every run draws the same ones.
//
// Stars: the 300 rows of the program's table, precessed by stardata, against
// the same stars of the reference list (matched by place at J2000.0) carried
// from J2000.0 by the rigorous IAU 1976 precession (Lieske et al. 1977).
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "catalog/star_table.hpp"
#include "catalog/stardata.hpp"
#include "common/constants.hpp"
#include "ephem/moon.hpp"
#include "ephem/planets.hpp"
#include "run_command.hpp"
#include "support/reference_models.hpp"
#include "time/calendar.hpp"
#include "time/sidereal.hpp"

namespace hz {
namespace {

constexpr double px_per_deg = scl_sky;  // 3 pixels per degree of sky
constexpr std::uint64_t seed = 20260101;
constexpr int inner_moments = 500;
constexpr int outer_moments = 100;

// Moshier's range in swetest 2.10, Julian days of dynamical time: outside it
// swetest prints an error and zeros instead of a place.
constexpr double moshier_first_jd = 625000.5;
constexpr double moshier_last_jd = 2818000.5;

struct Body {
  const char* name;  // as swetest prints it
  int k;             // plpl body number, or the_moon
};
constexpr int the_moon = -1;
const Body bodies[] = {
    {"Sun", 0},     {"Moon", the_moon}, {"Mercury", 1}, {"Venus", 2},   {"Mars", 4},
    {"Jupiter", 5}, {"Saturn", 6},      {"Uranus", 7},  {"Neptune", 8}, {"Pluto", 9},
};
constexpr int body_count = static_cast<int>(std::size(bodies));

using reference::arcsec;
using reference::equation_of_equinoxes_s;
using reference::gmst_iau1982_s;
using reference::Place;
using reference::precess_iau1976;
using reference::separation;

// Julian day (UT) of 0 h on the first of January of a year, from the
// program's own proleptic Gregorian calendar.
double jd_of_year(double year) {
  const std::optional<DayAndCenturies> s = date_to_day(year, 1, 1, 0);
  if (!s) throw std::runtime_error("the calendar refused a year");
  return std::round((2451545.0 + 36525 * s->t2000) * 2) / 2;
}

// Uniform numbers in [0, 1) from the top 53 bits of the generator, whose
// output sequence the C++ standard fixes; the same on every platform.
class Draw {
 public:
  double next() { return static_cast<double>(gen_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 gen_{seed};
};

// A Julian day as swetest is given it: six decimals (0.09 s).
double rounded_jd(double jd) { return std::round(jd * 1e6) / 1e6; }

struct SwePlace {
  double ra_deg = 0;
  double dc_deg = 0;
  double lon_deg = 0;  // for the "Sidereal Time" line: sidereal time, degrees
};

struct SweResult {
  bool refused = false;
  std::string error;
  std::map<std::string, SwePlace> places;
};

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t");
  const auto e = s.find_last_not_of(" \t\r\n");
  return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

using hz::tools::run;

// Geocentric places from swetest at a Julian day, read as UT (ut true) or
// as dynamical time; apparent unless flags ask otherwise. Besides the
// bodies, "Sidereal Time" (degrees) and "Delta T" (seconds) in lon_deg.
SweResult swetest(double jd, bool ut, const char* flags = "") {
  char cmd[200];
  std::snprintf(cmd, sizeof cmd, "swetest -j%.6f %s -p0123456789xq -fPadl -emos %s -head -g, 2>&1",
                jd, ut ? "-ut" : "", flags);
  SweResult r;
  std::istringstream lines(run(cmd));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("error", 0) == 0) {
      r.refused = true;
      if (r.error.empty()) r.error = trim(line);
      continue;
    }
    std::istringstream s(line);
    std::string name, a, d, l;
    if (!std::getline(s, name, ',') || !std::getline(s, a, ',') || !std::getline(s, d, ',') ||
        !std::getline(s, l, ','))
      continue;
    r.places[trim(name)] = {std::stod(a), std::stod(d), std::stod(l)};
  }
  if (!r.refused && r.places.size() != static_cast<std::size_t>(body_count) + 2)
    throw std::runtime_error(std::string("unexpected swetest output: ") + cmd);
  return r;
}

std::string swetest_version() {
  std::istringstream lines(run("swetest -j2451545 -p0 -emos 2>&1"));
  std::string line;
  while (std::getline(lines, line)) {
    const auto at = line.find("version ");
    if (at != std::string::npos) return trim(line.substr(at + 8));
  }
  return "unknown";
}

// Median, 95th percentile (linear between the order statistics) and maximum.
struct Stats {
  std::size_t n = 0;
  double median = 0, p95 = 0, max = 0;
};
double quantile(const std::vector<double>& sorted, double q) {
  const double h = q * static_cast<double>(sorted.size() - 1);
  const auto lo = static_cast<std::size_t>(std::floor(h));
  const std::size_t hi = std::min(lo + 1, sorted.size() - 1);
  return sorted[lo] + (h - static_cast<double>(lo)) * (sorted[hi] - sorted[lo]);
}
Stats stats(std::vector<double> v) {
  Stats s;
  s.n = v.size();
  if (v.empty()) return s;
  std::sort(v.begin(), v.end());
  s.median = quantile(v, 0.5);
  s.p95 = quantile(v, 0.95);
  s.max = v.back();
  return s;
}

std::string fmt(double v, int decimals) {
  char b[64];
  std::snprintf(b, sizeof b, "%.*f", decimals, v);
  return b;
}

// Degrees with four decimals, pixels with two.
std::string deg_px_cells(const Stats& s) {
  return fmt(s.median, 4) + " | " + fmt(s.p95, 4) + " | " + fmt(s.max, 4) + " | " +
         fmt(s.median * px_per_deg, 2) + " | " + fmt(s.p95 * px_per_deg, 2) + " | " +
         fmt(s.max * px_per_deg, 2);
}

// Errors of every body and of sidereal time over a set of moments.
struct Survey {
  int drawn = 0;
  int refused = 0;
  std::string first_refusal;
  double first_refused_jd = 0;
  double last_refused_jd = 0;
  std::array<std::vector<double>, body_count> body_deg;  // at the same UT
  std::array<std::vector<double>, body_count> body_tt;   // t2000 read as TT
  std::vector<double> gst_s;                             // |grn - swetest|, seconds
  std::vector<double> gst_iau1982_s;                     // |swetest - IAU 1982 expression|, seconds
  std::vector<double> delta_t_s;                         // |TT - UT|, seconds
  std::vector<double> moon_delta_t;                      // the Moon's motion in it, deg
  // Apparent against geometric mean place, both from swetest.
  std::array<std::vector<double>, body_count> apparent_shift;
};

// Apparent sidereal time at Greenwich, seconds: the IAU 1982 mean sidereal
// time plus the leading term of the equation of the equinoxes.
double gst_iau1982_s(double t) { return gmst_iau1982_s(t) + equation_of_equinoxes_s(t); }

void measure(double jd, bool with_tt, bool with_geometric, Survey& sv) {
  ++sv.drawn;
  const SweResult r = swetest(jd, true);
  if (r.refused) {
    if (sv.refused == 0) sv.first_refusal = r.error, sv.first_refused_jd = jd;
    sv.first_refused_jd = std::min(sv.first_refused_jd, jd);
    sv.last_refused_jd = std::max(sv.last_refused_jd, jd);
    ++sv.refused;
    return;
  }
  const double t2000 = (jd - 2451545.0) / 36525;
  const double ut = (jd + 0.5 - std::floor(jd + 0.5)) * 24;
  auto program_place = [&](const Body& b, double& ra, double& dc) {
    if (b.k == the_moon) {
      const MoonPlace m = moon(t2000);
      ra = m.ra, dc = m.dc;
    } else {
      const Geocentric g = plpl(b.k, t2000);
      ra = g.ra, dc = g.dc;
    }
  };
  for (int i = 0; i < body_count; ++i) {
    double ra = 0, dc = 0;
    program_place(bodies[i], ra, dc);
    const SwePlace& p = r.places.at(bodies[i].name);
    sv.body_deg[i].push_back(separation(ra, dc, p.ra_deg * rd, p.dc_deg * rd) / rd);
  }
  double gap_s = (grn(t2000, ut) - r.places.at("Sidereal Time").lon_deg / 15) * 3600;
  gap_s -= 86400 * std::round(gap_s / 86400);
  sv.gst_s.push_back(std::fabs(gap_s));
  double ref_gap_s = r.places.at("Sidereal Time").lon_deg / 15 * 3600 - gst_iau1982_s(t2000);
  ref_gap_s -= 86400 * std::round(ref_gap_s / 86400);
  sv.gst_iau1982_s.push_back(std::fabs(ref_gap_s));
  const double delta_t = r.places.at("Delta T").lon_deg;
  sv.delta_t_s.push_back(std::fabs(delta_t));
  const MoonPlace m_ut = moon(t2000), m_tt = moon(t2000 + delta_t / 86400 / 36525);
  sv.moon_delta_t.push_back(separation(m_ut.ra, m_ut.dc, m_tt.ra, m_tt.dc) / rd);

  if (with_geometric) {
    const SweResult rg = swetest(jd, true, "-true -nonut");
    for (int i = 0; i < body_count; ++i) {
      const SwePlace& a = r.places.at(bodies[i].name);
      const SwePlace& g = rg.places.at(bodies[i].name);
      sv.apparent_shift[i].push_back(
          separation(a.ra_deg * rd, a.dc_deg * rd, g.ra_deg * rd, g.dc_deg * rd) / rd);
    }
  }

  if (!with_tt) return;
  const SweResult rt = swetest(jd, false);
  if (rt.refused) return;
  for (int i = 0; i < body_count; ++i) {
    double ra = 0, dc = 0;
    program_place(bodies[i], ra, dc);
    const SwePlace& p = rt.places.at(bodies[i].name);
    sv.body_tt[i].push_back(separation(ra, dc, p.ra_deg * rd, p.dc_deg * rd) / rd);
  }
}

// Calendar date of a Julian day (UT) in the program's calendar, for the
// notes: "year-month-day".
std::string date_of_jd(double jd) {
  const std::optional<DateAndTime> m = centuries_to_date((jd - 2451545.0) / 36525);
  if (!m) return "?";
  char b[64];
  std::snprintf(b, sizeof b, "%.0f-%02.0f-%02.0f", m->date.yr, m->date.mn, m->date.dy);
  return b;
}

void print_body_table(const Survey& sv, bool tt) {
  std::cout << "| body | n | median (°) | 95th pct. (°) | max (°) | median (px) | 95th pct. (px) | "
               "max (px) |\n";
  std::cout << "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n";
  for (int i = 0; i < body_count; ++i) {
    const Stats s = stats(tt ? sv.body_tt[i] : sv.body_deg[i]);
    std::cout << "| " << bodies[i].name << " | " << s.n << " | " << deg_px_cells(s) << " |\n";
  }
}

// --- Stars ---------------------------------------------------------------

struct ListedStar {
  Place j2000;
  std::string label;  // designation and name
};

std::vector<ListedStar> read_star_list(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::vector<ListedStar> stars;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::vector<std::string> f;
    std::istringstream s(line);
    std::string cell;
    while (std::getline(s, cell, '\t')) f.push_back(cell);
    if (f.size() < 6) continue;
    std::string label;  // the designation with its blanks closed up
    for (char c : trim(f[5]))
      if (c != ' ' || (!label.empty() && label.back() != ' ')) label += c;
    if (f.size() > 6 && !trim(f[6]).empty()) label += " (" + trim(f[6]) + ")";
    stars.push_back({{std::stod(f[0]) * 15 * rd, std::stod(f[1]) * rd}, label});
  }
  return stars;
}

void star_section(const std::string& path) {
  const std::vector<ListedStar> listed = read_star_list(path);
  // Each row of the program's table with its nearest listed star at J2000.0.
  std::array<int, star_count + 1> match{};
  double worst_match = 0;
  constexpr double far_match = 10;  // arcseconds
  std::vector<std::pair<int, double>> far_rows;
  for (int i = 1; i <= last_star; ++i) {
    const StarRow& row = star_table[i - 1];
    double best = 1e9;
    for (std::size_t j = 0; j < listed.size(); ++j) {
      const double d =
          separation(row.ra_h * 15 * rd, row.dec_deg * rd, listed[j].j2000.ra, listed[j].j2000.dc);
      if (d < best) best = d, match[i] = static_cast<int>(j);
    }
    worst_match = std::max(worst_match, best);
    if (best > far_match * arcsec) far_rows.push_back({i, best});
  }

  std::cout << "## Stars: precessed places of the 300 table stars\n\n"
            << "Reference: the same stars in the project's reference list (Hipparcos-based, "
               "J2000.0), matched by place (farthest match "
            << fmt(worst_match / arcsec, 1)
            << "\"), carried to the mean equator and equinox of each epoch by the rigorous "
               "IAU 1976 precession. Neither side applies proper motion; epoch 2000 shows "
               "the table's own offsets from the list, mostly its rounding to 4 decimals; rows "
               "farther than "
            << fmt(far_match, 0) << "\" from the list:";
  for (std::size_t k = 0; k < far_rows.size(); ++k)
    std::cout << (k == 0 ? " " : ", ") << "row " << far_rows[k].first << " "
              << listed[match[far_rows[k].first]].label << " "
              << fmt(far_rows[k].second / arcsec, 1) << "\"";
  std::cout << (far_rows.empty() ? " none.\n\n" : ".\n\n");
  std::cout << "| epoch | median (°) | 95th pct. (°) | max (°) | median (px) | 95th pct. (px) | "
               "max (px) | largest |\n";
  std::cout << "| --- | ---: | ---: | ---: | ---: | ---: | ---: | --- |\n";
  const double epochs[] = {1900, 2000, 2026, 2100};
  for (double epoch : epochs) {
    const double t = (epoch - 2000) / 100;
    ObjectArray ra{}, dc{};
    StarArray<double> mag{};
    StarArray<int> col{};
    stardata(t, ra, dc, mag, col);
    std::vector<double> err;
    double worst = -1;
    int worst_row = 0;
    for (int i = 1; i <= last_star; ++i) {
      const Place ref = precess_iau1976(listed[match[i]].j2000, t);
      const double d = separation(ra[i] * 15 * rd, dc[i] * rd, ref.ra, ref.dc) / rd;
      err.push_back(d);
      if (d > worst) worst = d, worst_row = i;
    }
    const Stats s = stats(err);
    std::cout << "| " << fmt(epoch, 0) << " | " << deg_px_cells(s) << " | row " << worst_row << ", "
              << listed[match[worst_row]].label << " |\n";
  }
  std::cout << "\n";
}

int main_impl(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: accuracy-table BRIGHT_STARS_TSV\n";
    return 2;
  }
  const std::string version = swetest_version();

  const double jd_1900 = jd_of_year(1900), jd_2100 = jd_of_year(2100);
  const double jd_m2000 = jd_of_year(-2000), jd_4000 = jd_of_year(4000);
  Draw draw;
  Survey inner, outer;
  for (int k = 0; k < inner_moments; ++k)
    measure(rounded_jd(jd_1900 + draw.next() * (jd_2100 - jd_1900)), false, true, inner);
  const double before = jd_1900 - jd_m2000, after = jd_4000 - jd_2100;
  for (int k = 0; k < outer_moments; ++k) {
    const double x = draw.next() * (before + after);
    const double jd = x < before ? jd_m2000 + x : jd_2100 + (x - before);
    measure(rounded_jd(jd), true, false, outer);
  }

  std::cout << "# Accuracy of the built-in sky\n\n"
            << "Written by `sh tools/accuracy.sh > docs/accuracy.md`. Reference: Swiss Ephemeris "
            << version
            << " (Debian's `swetest`), built-in Moshier ephemeris (`-emos`). Angles are "
               "great-circle distances; pixels at the sky field's 3 px per degree. Dates are "
               "proleptic Gregorian, years astronomical (0 is 1 BC).\n\n";

  std::cout << "## Sun, Moon and planets\n\n"
            << "swetest's geocentric apparent place (light time, aberration, light deflection "
               "and nutation; true equator and equinox of date) against the program's place "
               "at the same moment in UT. Moments drawn at random with a fixed seed ("
            << seed << ").\n\n";
  std::cout << "### 1900–2100 (" << inner.drawn << " moments)\n\n";
  print_body_table(inner, false);
  std::cout << "\n### −2000 to 1900 and 2100 to 4000 (" << outer.drawn << " moments)\n\n";
  if (outer.refused > 0)
    std::cout << "swetest refused " << outer.refused << " of the " << outer.drawn
              << " moments, from " << date_of_jd(outer.first_refused_jd) << " to "
              << date_of_jd(outer.last_refused_jd) << ": Moshier's ephemeris covers JD "
              << fmt(moshier_first_jd, 1) << " to " << fmt(moshier_last_jd, 1)
              << " (dynamical time; " << date_of_jd(moshier_first_jd) << " to "
              << date_of_jd(moshier_last_jd) << "), and swetest says \"" << outer.first_refusal
              << "\". The table covers the other " << outer.drawn - outer.refused << ".\n\n";
  print_body_table(outer, false);
  std::cout << "\nThe program reads the moment in UT as if it were dynamical time. Far from the "
               "present TT − UT (ΔT) grows to hours (swetest's model: up to "
            << fmt(stats(outer.delta_t_s).max / 3600, 1)
            << " h among these moments), and the Moon moves about half a degree an hour, so "
               "at the same UT much of the Moon's error out there is ΔT. The same moments with "
               "t2000 read as dynamical time (swetest given the Julian day as TT), the theory "
               "alone:\n\n";
  print_body_table(outer, true);

  std::cout << "\n## Greenwich sidereal time\n\n"
            << "`grn` against swetest's apparent sidereal time (body `x`, the equation of the "
               "equinoxes included) at the same moments in UT. Degrees are seconds of time × "
               "15/3600: the shift of a star on the equator.\n\n";
  std::cout << "| range | n | median (s) | 95th pct. (s) | max (s) | median (°) | 95th pct. (°) | "
               "max (°) | median (px) | 95th pct. (px) | max (px) |\n";
  std::cout << "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n";
  for (const auto* sv : {&inner, &outer}) {
    const Stats s = stats(sv->gst_s);
    Stats d = s;
    d.median *= 15.0 / 3600, d.p95 *= 15.0 / 3600, d.max *= 15.0 / 3600;
    std::cout << "| " << (sv == &inner ? "1900–2100" : "−2000 to 1900, 2100 to 4000") << " | "
              << s.n << " | " << fmt(s.median, 2) << " | " << fmt(s.p95, 2) << " | "
              << fmt(s.max, 2) << " | " << deg_px_cells(d) << " |\n";
  }
  std::cout << "\nswetest's sidereal time itself departs from the IAU 1982 expression for mean "
               "sidereal time (with the leading term of the equation of the equinoxes) by at "
               "most "
            << fmt(stats(inner.gst_iau1982_s).max, 2) << " s from 1900 to 2100 and "
            << fmt(stats(outer.gst_iau1982_s).max, 1)
            << " s at the farther moments, where it follows a long-term model: far from the "
               "present the second row is partly a difference between models.\n\n";

  star_section(argv[1]);

  std::cout << "## What the built-in theory leaves out\n\n"
            << "- The Moon's parallax: the program's Moon is geocentric; an observer sees it "
               "up to about 1° (3 px) lower. The table compares geocentric places and does "
               "not show it.\n"
            << "- Refraction near the horizon (about 0.6° at the horizon itself): neither side "
               "applies it.\n"
            << "- Light time, aberration, light deflection and nutation: swetest applies them "
               "and the program does not, so they are inside the errors above. Over the "
               "1900–2100 moments swetest's apparent place lies from its geometric mean place "
               "(`-true -nonut`) at most";
  for (int i = 0; i < body_count; ++i)
    std::cout << (i == 0 ? " " : ", ") << fmt(stats(inner.apparent_shift[i]).max, 4) << "° ("
              << bodies[i].name << ")";
  std::cout << ".\n"
            << "- TT − UT (ΔT): the moment in UT stands in for dynamical time. From 1900 to "
               "2100 ΔT is at most "
            << fmt(stats(inner.delta_t_s).max, 0)
            << " s by swetest's model, in which the Moon moves at most "
            << fmt(stats(inner.moon_delta_t).max, 4)
            << "° and the Sun and planets far less; for farther dates see above.\n"
            << "- For the stars: proper motion, nutation and aberration (the reference is a "
               "mean place without proper motion too, so the star table shows the precession "
               "and the table's own rounding alone).\n";
  return 0;
}

}  // namespace
}  // namespace hz

int main(int argc, char** argv) {
  try {
    return hz::main_impl(argc, argv);
  } catch (const std::exception& e) {
    std::cerr << "accuracy-table: " << e.what() << "\n";
    return 1;
  }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The Moon's phases and age from the program's own Sun and Moon.
#pragma once

namespace hz {

// The four principal phases, in the order of the elongation 0, 90, 180 and
// 270 degrees.
enum class MoonPhase { new_moon, first_quarter, full_moon, last_quarter };

// Mean length of the synodic month, days: only the first guess of a search.
constexpr double synodic_month_days = 29.530589;

// The Moon's geocentric ecliptic longitude minus the Sun's.
//
// Given:    t2000   Julian centuries from J2000.0.
// Returned:         radians, 0..2 pi.
// Notes:    the longitudes are read back from the right ascensions and
//           declinations of moon and plpl (Sun) with their own fixed
//           obliquity, so they are the theory's ecliptic longitudes.
double elongation(double t2000);

// The first moment of a phase at or after a moment.
//
// Given:    q       the phase.
//           t2000   Julian centuries from J2000.0.
// Returned:         centuries from J2000.0, to well under a second.
double next_phase(MoonPhase q, double t2000);

// The last new moon at or before a moment.
//
// Given and Returned as next_phase.
double previous_new_moon(double t2000);

// The Moon's age.
//
// Given:    t2000   the moment (almanacs take 12:00 JST of the date).
// Returned:         days from the preceding new moon, 0 <= age < about 30.
double moon_age(double t2000);

// An age as almanacs print it: rounded to one decimal, halves to even.
double moon_age_tenths(double age);

}  // namespace hz

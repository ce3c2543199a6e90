// SPDX-License-Identifier: GPL-3.0-or-later
// Zero of a function of one variable inside a bracket, for event times.
#pragma once

#include <cmath>

namespace hz {

// Zero of f between a and b by false position with the Illinois change.
//
// Given:    f        a function of one double, continuous on [a, b] up to
//                    the small steps of the theory it samples.
//           a, b     the ends, a < b; fa = f(a) and fb = f(b) of opposite
//                    signs (one may be 0).
//           tol      stop when an estimate moves by less than this.
// Returned:          the estimate, always within [a, b].
// Notes:    the Illinois change halves the value kept at an end that stays
//           twice in a row, so the estimates close in from both sides; an
//           event is found in about six calls of f. At most 60 calls.
template <class F>
double bracket_root(F&& f, double a, double b, double fa, double fb, double tol) {
  if (fa == 0) return a;
  if (fb == 0) return b;
  int side = 0;
  double c = a;
  for (int step = 0; step < 60; ++step) {
    const double prev = c;
    c = (a * fb - b * fa) / (fb - fa);
    if (!(c > a && c < b)) c = (a + b) / 2;  // flat ends: bisect
    if (step > 0 && std::fabs(c - prev) < tol) break;
    const double fc = f(c);
    if (fc == 0) break;
    if ((fc < 0) == (fb < 0)) {
      b = c;
      fb = fc;
      if (side == -1) fa /= 2;
      side = -1;
    } else {
      a = c;
      fa = fc;
      if (side == 1) fb /= 2;
      side = 1;
    }
    if (b - a < tol) break;
  }
  return c;
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
// A surface that passes every call on to a real image surface and counts the
// calls that hand it a coordinate or size that is not a finite number.
#pragma once

#include <cmath>
#include <initializer_list>

#include "render_qt/image_surface.hpp"

namespace hz::testing {

class CheckingSurface : public Surface {
 public:
  ImageSurface inner;
  int non_finite_calls = 0;
  int circles = 0;

  void set_back_color(Rgb c) override { inner.set_back_color(c); }
  Rgb back_color() const override { return inner.back_color(); }
  void cls() override { inner.cls(); }
  void set_fore_color(Rgb c) override { inner.set_fore_color(c); }
  Rgb fore_color() const override { return inner.fore_color(); }
  void set_fill_style(FillStyle s) override { inner.set_fill_style(s); }
  FillStyle fill_style() const override { return inner.fill_style(); }
  void set_fill_color(Rgb c) override { inner.set_fill_color(c); }
  Rgb fill_color() const override { return inner.fill_color(); }
  void set_current(double x, double y) override {
    check({x, y});
    inner.set_current(x, y);
  }
  double current_x() const override { return inner.current_x(); }
  double current_y() const override { return inner.current_y(); }
  void print(std::string_view s) override { inner.print(s); }
  void circle(double x, double y, double r, Rgb c, std::optional<ArcAngles> arc,
              double aspect) override {
    check({x, y, r, aspect});
    if (arc) check({arc->start, arc->end});
    ++circles;
    inner.circle(x, y, r, c, arc, aspect);
  }
  void line(double x1, double y1, double x2, double y2, Rgb c) override {
    check({x1, y1, x2, y2});
    inner.line(x1, y1, x2, y2, c);
  }
  void pset(double x, double y, Rgb c) override {
    check({x, y});
    inner.pset(x, y, c);
  }
  std::optional<Rgb> point(double x, double y) const override { return inner.point(x, y); }
  void set_visible(bool v) override { inner.set_visible(v); }
  bool visible() const override { return inner.visible(); }

 private:
  void check(std::initializer_list<double> values) {
    for (double v : values) {
      if (!std::isfinite(v)) ++non_finite_calls;
    }
  }
};

}  // namespace hz::testing

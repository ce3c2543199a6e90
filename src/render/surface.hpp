// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface the sky is drawn on: the few operations of a picture
// box that the frame uses. Coordinates are pixels, origin at the top-left,
// x to the right and y downward; fractional coordinates are rounded to whole
// pixels (halves to the even neighbour) by the surface. A drawing call given
// a non-finite coordinate draws nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "common/constants.hpp"

namespace hz {

enum class FillStyle { solid = 0, transparent = 1 };

// A part of a circle, angles in radians counter-clockwise on the screen from
// the direction of increasing x.
struct ArcAngles {
  double start;
  double end;
};

struct Point {
  double x;
  double y;
};

// A width x height grid of device pixels; (0, 0) is the top-left pixel. The
// rasterisers (raster.hpp) clip, so get and put only see pixels inside it.
class PixelGrid {
 public:
  virtual ~PixelGrid() = default;
  virtual int width() const = 0;
  virtual int height() const = 0;
  virtual Rgb get(int x, int y) const = 0;
  virtual void put(int x, int y, Rgb c) = 0;
};

// A run of whole pixels of one row: x0 to x1, both included.
struct PixelSpan {
  int y, x0, x1;
};

// A text and where its top-left corner goes.
struct PlacedText {
  double x, y;
  std::string_view utf8;
};

// What a surface drew since it was last cleared, kept to be drawn back.
class SurfaceRecording {
 public:
  virtual ~SurfaceRecording() = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // Sets the background colour and clears the whole surface to it.
  virtual void set_back_color(Rgb c) = 0;
  virtual Rgb back_color() const = 0;
  // Clears the whole surface to the background colour and puts the current
  // position back at the top-left corner.
  virtual void cls() = 0;

  // Colour of text.
  virtual void set_fore_color(Rgb c) = 0;
  virtual Rgb fore_color() const = 0;

  // Whether a full circle's interior is painted with the fill colour.
  virtual void set_fill_style(FillStyle s) = 0;
  virtual FillStyle fill_style() const = 0;
  virtual void set_fill_color(Rgb c) = 0;
  virtual Rgb fill_color() const = 0;

  // Current text position: where the top-left corner of the next text goes.
  virtual void set_current(double x, double y) = 0;
  virtual double current_x() const = 0;
  virtual double current_y() const = 0;
  // Prints UTF-8 text with its top-left corner at the current position, in
  // the fore colour with a transparent background; the current position then
  // moves to the start of the next line (x = 0, y one line lower).
  virtual void print(std::string_view utf8) = 0;
  // Prints each text at its place as print does, one after another: the
  // constellations' names come some forty a frame, and a surface may set up
  // once for them all.
  virtual void print_all(std::span<const PlacedText> texts) {
    for (const PlacedText& t : texts) {
      set_current(t.x, t.y);
      print(t.utf8);
    }
  }
  // The outlines of texts about to be printed at their places: each text
  // printed in the fore colour at each offset around its place, the offsets
  // outer and the texts inner, as print_all would. The pixels a text itself
  // covers may be left as they are, since the texts go down over them next:
  // a raster surface then sets a text's outline once instead of once an
  // offset.
  virtual void print_outlines(std::span<const PlacedText> texts, std::span<const Point> offsets);

  // A circle (or ellipse) around (x, y). aspect is the vertical radius over
  // the horizontal one: below 1 the vertical radius is radius * aspect, above
  // 1 the horizontal radius is radius / aspect. A full circle is filled with
  // the fill colour when the fill style is solid; an arc is outline only.
  virtual void circle(double x, double y, double radius, Rgb outline, std::optional<ArcAngles> arc,
                      double aspect) = 0;
  void circle(double x, double y, double radius, Rgb outline) {
    circle(x, y, radius, outline, std::nullopt, 1.0);
  }

  // A line between two points, both end pixels included.
  virtual void line(double x1, double y1, double x2, double y2, Rgb c) = 0;
  // The lines from each point back to the one before it, in order: the
  // dome's grid draws thousands of them, and a surface may set up once for
  // them all.
  virtual void polyline(std::span<const Point> points, Rgb c) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      line(points[i].x, points[i].y, points[i - 1].x, points[i - 1].y, c);
    }
  }

  // One pixel.
  virtual void pset(double x, double y, Rgb c) = 0;
  // Many pixels of one colour (a dotted line's dots).
  virtual void pset_all(std::span<const Point> points, Rgb c) {
    for (const Point& p : points) pset(p.x, p.y, c);
  }
  // Discs of one radius and colour about the centres, each as circle draws
  // it filled in its outline's colour (a radius of 0: one pixel), the fill
  // style and colour left as they are: the faint stars, thousands a frame.
  // Their pixels by default, which is how a raster surface draws them; a
  // vector surface keeps them as circles.
  virtual void discs(std::span<const Point> centres, double radius, Rgb c);

  // Many whole pixels of one colour, each by its index y * surface_width + x
  // (all on the surface): a layer the caller keeps as pixels (the trails),
  // set again every frame, which a surface may set in one sweep.
  virtual void pset_indices(std::span<const std::uint32_t> indices, Rgb c) {
    for (const std::uint32_t i : indices) {
      pset(static_cast<double>(i % surface_width), static_cast<double>(i / surface_width), c);
    }
  }
  // The colour of one pixel (above ratio 1, the top-left device pixel of
  // the block pset paints); nothing for a point outside the surface.
  virtual std::optional<Rgb> point(double x, double y) const = 0;
  // Paints in c each pixel of the spans that has one of the colours of
  // under, and leaves every other pixel as it is: a fill laid beneath what
  // is drawn already (the Milky Way beneath the grid and the horizon).
  virtual void fill_spans_under(std::span<const PixelSpan> spans, Rgb c,
                                std::span<const Rgb> under) {
    for (const PixelSpan& s : spans) {
      for (int x = s.x0; x <= s.x1; ++x) {
        const std::optional<Rgb> now = point(x, s.y);
        if (!now) continue;
        for (Rgb u : under) {
          if (*now != u) continue;
          pset(x, s.y, c);
          break;
        }
      }
    }
  }

  // The pixels drawn since the last clear, and drawing them back on a cleared
  // surface of the same kind, size, pixel ratio and background colour. A surface that
  // cannot record gives nothing, and the caller draws afresh.
  virtual std::unique_ptr<SurfaceRecording> record() const { return nullptr; }
  virtual void replay(const SurfaceRecording& recording) { (void)recording; }

  // Device pixels per logical pixel. Coordinates stay logical whatever the
  // ratio; a raster surface draws each logical pixel as ratio x ratio
  // device pixels, lines and dots about ratio wide, texts at 12 ratio
  // pixels. The frame sets it (FrameOptions::pixel_ratio) before it clears
  // the surface; a surface without pixels of its own ignores it and stays 1.
  virtual void set_pixel_ratio(double ratio) { (void)ratio; }
  virtual double pixel_ratio() const { return 1.0; }
  // The surface's device pixels, for drawing that must reach every one of
  // them (the Moon's fill above ratio 1); nothing for a surface without
  // pixels. Valid until the surface is next changed otherwise.
  virtual std::unique_ptr<PixelGrid> device_pixels() { return nullptr; }

  // Whether the surface is shown.
  virtual void set_visible(bool v) = 0;
  virtual bool visible() const = 0;
};

}  // namespace hz

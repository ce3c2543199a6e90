// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface held in plain memory, for a front end without Qt (the
// web page): shapes become pixels, texts are kept as texts for the front end
// to draw over them in its own fonts.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "render/device_scale.hpp"
#include "render/surface.hpp"

namespace hz {

// The height of a line of text on a surface: what Qt's metrics give for the
// surface font (render_qt/fonts.hpp), so print moves down as the Qt surface
// does. tests/render_qt checks the two agree.
inline constexpr int surface_line_height = 13;
// How far below a text's top its baseline lies, as Qt's metrics give it for
// the surface font: where a vector file puts a text printed at a point.
inline constexpr int surface_text_ascent = 11;

// A text printed on a memory surface: its top-left pixel, as the Qt surface
// would put it, and its colour.
struct SurfaceText {
  int x;
  int y;
  std::string utf8;
  Rgb colour;
  bool operator==(const SurfaceText&) const = default;
};

// Surface on a 641 x 665 buffer of RGBA bytes (times the pixel ratio each
// way), row after row, alpha always 255. Shapes are rasterised exactly as the Qt surface rasterises
// them (render/raster.hpp); texts are not drawn but listed. Starts white with black fore and fill
// colours, transparent fill, current position (0, 0), visible.
class MemorySurface : public Surface {
 public:
  MemorySurface();

  // The pixels, width() * height() * 4 bytes.
  std::span<const std::uint8_t> rgba() const {
    fill_if_pending();
    return rgba_;
  }
  // The buffer's size in device pixels: 641 x 665 at ratio 1.
  int width() const { return w_; }
  int height() const { return h_; }
  // The texts printed since the last clear, in the order printed, at their
  // logical pixels whatever the ratio.
  const std::vector<SurfaceText>& texts() const { return texts_; }

  void set_back_color(Rgb c) override;
  Rgb back_color() const override { return back_; }
  void cls() override;

  void set_fore_color(Rgb c) override { fore_ = c; }
  Rgb fore_color() const override { return fore_; }

  void set_fill_style(FillStyle s) override { fill_style_ = s; }
  FillStyle fill_style() const override { return fill_style_; }
  void set_fill_color(Rgb c) override { fill_ = c; }
  Rgb fill_color() const override { return fill_; }

  void set_current(double x, double y) override;
  double current_x() const override { return cur_x_; }
  double current_y() const override { return cur_y_; }
  // Lists the text where the Qt surface would draw it (nothing when that
  // would be wholly off the surface) and moves down surface_line_height.
  void print(std::string_view utf8) override;

  using Surface::circle;
  void circle(double x, double y, double radius, Rgb outline, std::optional<ArcAngles> arc,
              double aspect) override;
  void line(double x1, double y1, double x2, double y2, Rgb c) override;
  void polyline(std::span<const Point> points, Rgb c) override;
  void pset(double x, double y, Rgb c) override;
  void pset_all(std::span<const Point> points, Rgb c) override;
  void pset_indices(std::span<const std::uint32_t> indices, Rgb c) override;
  // Above ratio 1 each disc as circle draws it, not as blocks.
  void discs(std::span<const Point> centres, double radius, Rgb c) override;
  void fill_spans_under(std::span<const PixelSpan> spans, Rgb c,
                        std::span<const Rgb> under) override;
  // The colour of the pixel; texts, not being pixels here, never show.
  std::optional<Rgb> point(double x, double y) const override;

  // A copy of the pixels and the texts.
  std::unique_ptr<SurfaceRecording> record() const override;
  void replay(const SurfaceRecording& recording) override;

  // A new ratio makes a new buffer of the background colour.
  void set_pixel_ratio(double ratio) override;
  double pixel_ratio() const override { return scale_.ratio; }
  std::unique_ptr<PixelGrid> device_pixels() override;

  void set_visible(bool v) override { visible_ = v; }
  bool visible() const override { return visible_; }

 private:
  // Fills the buffer with the background colour, unless it already is that
  // colour all over.
  void fill_with_back();
  // The buffer, about to be drawn on: no longer of one colour.
  std::vector<std::uint8_t>& drawn_on();

  DeviceScale scale_;
  int w_ = surface_width, h_ = surface_height;
  // The fill of a clear is made only when the buffer is next read or drawn
  // on: a frame that begins by drawing back the dome's recording overwrites
  // it whole, and a frame the size of the page's costs a pass to fill.
  void fill_if_pending() const;
  mutable std::vector<std::uint8_t> rgba_;
  mutable bool fill_pending_ = false;
  std::vector<SurfaceText> texts_;
  std::optional<Rgb> plain_;  // the one colour of the whole buffer, while it has one
  Rgb back_;
  Rgb fore_;
  Rgb fill_;
  FillStyle fill_style_ = FillStyle::transparent;
  double cur_x_ = 0;
  double cur_y_ = 0;
  bool visible_ = true;
};

}  // namespace hz

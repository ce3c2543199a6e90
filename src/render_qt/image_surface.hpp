// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface held in memory as an image of the picture box's size.
#pragma once

#include <QFont>
#include <QImage>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "render/device_scale.hpp"
#include "render/surface.hpp"

namespace hz {

// Surface on a 641 x 665 RGB32 image (times the pixel ratio each way, the
// image's device pixel ratio set to match). Shapes are rasterised
// pixel-exactly (render/raster.hpp, render/device_scale.hpp); text is drawn
// by QPainter in the surface font, at the ratio's size, without
// antialiasing. Starts white with black fore and fill colours, transparent
// fill, current position (0, 0), visible.
class ImageSurface : public Surface {
 public:
  ImageSurface();

  const QImage& image() const;

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
  // Needs a QGuiApplication for the font; without one nothing is drawn (the
  // current position still moves on).
  void print(std::string_view utf8) override;
  // As print, each text's pixels kept after its first drawing and set again
  // from memory: the glyphs are drawn without antialiasing at whole pixels,
  // so a text's pixels are the same wherever it goes.
  void print_all(std::span<const PlacedText> texts) override;
  // Each text's outline, kept as the pixels its offset copies set beyond
  // its own, set at once.
  void print_outlines(std::span<const PlacedText> texts, std::span<const Point> offsets) override;

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
  std::optional<Rgb> point(double x, double y) const override;

  // Records the pixels that differ from the background colour.
  std::unique_ptr<SurfaceRecording> record() const override;
  void replay(const SurfaceRecording& recording) override;

  // A new ratio makes a new image of the background colour.
  void set_pixel_ratio(double ratio) override;
  double pixel_ratio() const override { return scale_.ratio; }
  std::unique_ptr<PixelGrid> device_pixels() override;

  void set_visible(bool v) override { visible_ = v; }
  bool visible() const override { return visible_; }

 private:
  // Fills the image with the background colour, unless it already is that
  // colour all over.
  void fill_with_back();
  // The image to draw on, made (in the one colour it has so far) on first use.
  QImage& pixels() const;
  // pixels(), about to be drawn on: no longer of one colour.
  QImage& drawn_on();
  // The pixels a text sets, as offsets from the top-left device pixel it is
  // printed at, and as offsets in the image's pixel array.
  struct TextMask {
    std::vector<std::pair<std::int16_t, std::int16_t>> pixels;
    std::vector<std::int32_t> index;                 // dy * image width + dx
    int left = 0, top = 0, right = -1, bottom = -1;  // the offsets' bounds
  };
  const TextMask& text_mask(std::string_view utf8);
  // The pixels of a text's copies moved by the device offsets, less its
  // own.
  const TextMask& outline_mask(std::string_view utf8,
                               std::span<const std::pair<std::int16_t, std::int16_t>> moves);
  TextMask mask_of(std::vector<std::pair<std::int16_t, std::int16_t>> pixels) const;
  // Sets the mask's pixels, from the device pixel (left, top), in c.
  void set_mask(const TextMask& mask, std::int64_t left, std::int64_t top, QRgb c);
  // The device pixel a text printed at (x, y) begins at; nothing when the
  // text is not drawn at all.
  std::optional<std::pair<std::int64_t, std::int64_t>> text_corner(double x, double y) const;
  // The surface font at the ratio's size, and the surface font's line
  // height: made once, the font on first use (it needs the application).
  const QFont& device_font();
  int line_height();

  // Null until first used: a surface the frame never draws on, such as the
  // second of the pair in a one-frame run, costs neither memory nor a fill.
  mutable QImage image_;
  DeviceScale scale_;
  int w_ = surface_width, h_ = surface_height;  // the image's size
  std::optional<Rgb> plain_;  // the one colour of the whole image, while it has one
  Rgb back_;
  Rgb fore_;
  Rgb fill_;
  FillStyle fill_style_ = FillStyle::transparent;
  double cur_x_ = 0;
  double cur_y_ = 0;
  bool visible_ = true;
  // Looked up by a string_view without making a string.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  using MaskMap = std::unordered_map<std::string, TextMask, TextHash, std::equal_to<>>;
  MaskMap text_masks_;     // by text, for print_all
  MaskMap outline_masks_;  // by text and the moves of its copies
  std::string outline_key_;
  std::optional<QFont> device_font_;
  std::optional<int> line_height_;
};

}  // namespace hz

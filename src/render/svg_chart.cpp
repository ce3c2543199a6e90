// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/svg_chart.hpp"

#include <cmath>
#include <cstdio>

#include "common/float_chars.hpp"
#include "render/memory_surface.hpp"

namespace hz {

namespace {

// The faces the raster surface's gothic comes from, in the order tried.
constexpr const char* font_families = "IPAGothic, 'IPA Gothic', 'IPAexGothic', monospace";
// The surface font's size: 9 pt at 96 dpi.
constexpr double text_pixels = 12;

class SvgText {
 public:
  explicit SvgText(ChartStyle style) : style_(style) {}
  std::string& out() { return out_; }

  SvgText& operator<<(std::string_view s) {
    out_ += s;
    return *this;
  }
  SvgText& operator<<(double v) {
    char buf[32];
    const auto r = float_to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 10);
    out_.append(buf, r.ptr);
    return *this;
  }
  SvgText& operator<<(char c) {
    out_ += c;
    return *this;
  }
  SvgText& operator<<(int v) { return *this << std::to_string(v); }
  // A colour attribute's value, in the style.
  SvgText& colour(Rgb c) {
    const Rgb s = chart_colour(style_, c);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", red_of(s), green_of(s), blue_of(s));
    out_ += buf;
    return *this;
  }
  // Text content, its markup characters escaped.
  SvgText& escaped(std::string_view s) {
    for (char c : s) {
      switch (c) {
        case '&':
          out_ += "&amp;";
          break;
        case '<':
          out_ += "&lt;";
          break;
        case '>':
          out_ += "&gt;";
          break;
        case '"':
          out_ += "&quot;";
          break;
        default:
          out_ += c;
      }
    }
    return *this;
  }

  void shape(const VectorEllipse& e) {
    // A dot is its disc, half a pixel beyond the outline's middle; otherwise
    // the outline is stroked on the ellipse, the fill within.
    const bool dot = e.fill && *e.fill == e.outline;
    const double grow = dot ? 0.5 : 0;
    if (e.rx == e.ry) {
      *this << "<circle cx=\"" << e.x << "\" cy=\"" << e.y << "\" r=\"" << e.rx + grow << '"';
    } else {
      *this << "<ellipse cx=\"" << e.x << "\" cy=\"" << e.y << "\" rx=\"" << e.rx + grow
            << "\" ry=\"" << e.ry + grow << '"';
    }
    if (e.fill) {
      *this << " fill=\"";
      colour(*e.fill) << '"';
    }
    if (!dot) {
      *this << " stroke=\"";
      colour(e.outline) << '"';
    }
    *this << "/>\n";
  }

  void shape(const VectorArc& a) {
    double span = a.angles.end - a.angles.start;
    while (span < 0) span += 2 * pi;
    const double x1 = a.x + a.rx * std::cos(a.angles.start);
    const double y1 = a.y - a.ry * std::sin(a.angles.start);
    const double x2 = a.x + a.rx * std::cos(a.angles.end);
    const double y2 = a.y - a.ry * std::sin(a.angles.end);
    // Counter-clockwise on the screen is SVG's negative sweep.
    *this << "<path d=\"M" << x1 << ' ' << y1 << "A" << a.rx << ' ' << a.ry << " 0 "
          << (span > pi ? 1 : 0) << " 0 " << x2 << ' ' << y2 << "\" stroke=\"";
    colour(a.colour) << "\"/>\n";
  }

  void shape(const VectorLines& l) {
    *this << "<path d=\"";
    for (const auto& stroke : l.strokes) {
      for (std::size_t i = 0; i < stroke.size(); ++i) {
        *this << (i == 0 ? "M" : "L") << stroke[i].x << ' ' << stroke[i].y;
      }
    }
    *this << "\" stroke=\"";
    colour(l.colour) << "\"/>\n";
  }

  void shape(const VectorPixels& p) {
    *this << "<path d=\"";
    for (const PixelRun& r : p.runs) {
      *this << 'M' << r.x0 - 0.5 << ' ' << r.y - 0.5 << 'h' << r.x1 - r.x0 + 1 << "v1h"
            << r.x0 - r.x1 - 1 << 'z';
    }
    // Edged in their colour, so that an antialiasing viewer shows no seams
    // between the runs of one fill.
    *this << "\" stroke-width=\"0.25\" stroke=\"";
    colour(p.colour) << "\" fill=\"";
    colour(p.colour) << "\"/>\n";
  }

  void shape(const VectorText& t) {
    *this << "<text x=\"" << t.x - 0.5 << "\" y=\"" << t.y - 0.5 + surface_text_ascent
          << "\" fill=\"";
    colour(t.colour) << "\">";
    escaped(t.utf8) << "</text>\n";
  }

 private:
  ChartStyle style_;
  std::string out_;
};

}  // namespace

double chart_title_pixels(std::string_view title) {
  double squares = 0;
  for (char c : title) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      squares += 0.5;
    else if ((b & 0xC0) != 0x80)
      squares += 1;  // the first byte of a character beyond ASCII
  }
  constexpr double largest = 16, room = surface_width - 24;
  return squares * largest <= room ? largest : std::floor(room / squares);
}

std::string svg_chart(const VectorDrawing& drawing, ChartStyle style, std::string_view title) {
  const double band = title.empty() ? 0 : chart_title_band;
  const double w = surface_width, h = surface_height + band;
  SvgText svg(style);
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << w << "\" height=\"" << h
      << "\" viewBox=\"-0.5 " << -0.5 - band << ' ' << w << ' ' << h << "\">\n";
  if (!title.empty()) svg << "<title>", svg.escaped(title) << "</title>\n";
  svg << "<defs><clipPath id=\"surface\"><rect x=\"-0.5\" y=\"-0.5\" width=\"" << w
      << "\" height=\"" << double(surface_height) << "\"/></clipPath></defs>\n";
  svg << "<rect x=\"-0.5\" y=\"" << -0.5 - band << "\" width=\"" << w << "\" height=\"" << h
      << "\" fill=\"";
  svg.colour(drawing.back) << "\"/>\n";
  svg << "<g clip-path=\"url(#surface)\" fill=\"none\" stroke-width=\"1\" "
         "stroke-linecap=\"square\" font-family=\""
      << font_families << "\" font-size=\"" << text_pixels << "\" xml:space=\"preserve\">\n";
  for (const VectorShape& s : drawing.shapes) std::visit([&](const auto& v) { svg.shape(v); }, s);
  svg << "</g>\n";
  if (!title.empty()) {
    const double size = chart_title_pixels(title);
    svg << "<text x=\"" << (w - 1) / 2 << "\" y=\"" << -0.5 - band / 2 + 0.35 * size
        << "\" text-anchor=\"middle\" font-family=\"" << font_families << "\" font-size=\"" << size
        << "\" fill=\"";
    svg.colour(col_text) << "\">";
    svg.escaped(title) << "</text>\n";
  }
  svg << "</svg>\n";
  return std::move(svg.out());
}

}  // namespace hz

// SPDX-License-Identifier: GPL-3.0-or-later
#include "render_qt/chart_page.hpp"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <variant>

#include "render/memory_surface.hpp"
#include "render/svg_chart.hpp"
#include "render_qt/fonts.hpp"
#include "render_qt/vector_state.hpp"

namespace hz {

namespace {

QString text_of(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The surface font as outlines: antialiased, unhinted, at a size in the
// surface's pixels, so that it scales with the page.
QFont chart_font(double pixels) {
  QFont f = surface_font();
  f.setPixelSize(static_cast<int>(pixels));
  f.setStyleStrategy(QFont::PreferAntialias);
  f.setHintingPreference(QFont::PreferNoHinting);
  return f;
}

// How far pixels are edged beyond their squares, surface pixels.
constexpr double pixel_seam = 0.25;

class ShapePainter {
 public:
  ShapePainter(QPainter& p, ChartStyle style) : p_(p), style_(style) {}

  QColor colour(Rgb c) const {
    const Rgb s = chart_colour(style_, c);
    return QColor(red_of(s), green_of(s), blue_of(s));
  }
  QPen pen(Rgb c) const {
    return QPen(colour(c), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  }

  void operator()(const VectorEllipse& e) {
    const bool dot = e.fill && *e.fill == e.outline;
    const double grow = dot ? 0.5 : 0;
    p_.setPen(dot ? QPen(Qt::NoPen) : pen(e.outline));
    p_.setBrush(e.fill ? QBrush(colour(*e.fill)) : QBrush(Qt::NoBrush));
    p_.drawEllipse(QPointF(e.x, e.y), e.rx + grow, e.ry + grow);
  }
  void operator()(const VectorArc& a) {
    double span = a.angles.end - a.angles.start;
    while (span < 0) span += 2 * pi;
    p_.setPen(pen(a.colour));
    p_.setBrush(Qt::NoBrush);
    // Qt's angles: sixteenths of a degree, counter-clockwise on the screen.
    p_.drawArc(QRectF(a.x - a.rx, a.y - a.ry, 2 * a.rx, 2 * a.ry),
               static_cast<int>(std::lround(a.angles.start / rd * 16)),
               static_cast<int>(std::lround(span / rd * 16)));
  }
  void operator()(const VectorLines& l) {
    QPainterPath path;
    for (const auto& stroke : l.strokes) {
      path.moveTo(stroke.front().x, stroke.front().y);
      for (std::size_t i = 1; i < stroke.size(); ++i) path.lineTo(stroke[i].x, stroke[i].y);
    }
    p_.strokePath(path, pen(l.colour));
  }
  void operator()(const VectorPixels& px) {
    QPainterPath path;
    for (const PixelRun& r : px.runs) path.addRect(r.x0 - 0.5, r.y - 0.5, r.x1 - r.x0 + 1, 1);
    // Edged in their colour, so that an antialiasing viewer shows no seams
    // between the runs of one fill.
    p_.setPen(QPen(colour(px.colour), pixel_seam));
    p_.setBrush(colour(px.colour));
    p_.drawPath(path);
  }
  void operator()(const VectorText& t) {
    p_.setPen(colour(t.colour));
    p_.drawText(QPointF(t.x - 0.5, t.y - 0.5 + surface_text_ascent), text_of(t.utf8));
  }

 private:
  QPainter& p_;
  ChartStyle style_;
};

QPageSize::PageSizeId page_size_of(Paper paper) {
  switch (paper) {
    case Paper::a3:
      return QPageSize::A3;
    case Paper::letter:
      return QPageSize::Letter;
    case Paper::a4:
      break;
  }
  return QPageSize::A4;
}

}  // namespace

void paint_chart_page(QPainter& painter, const QRectF& page, double margin,
                      const VectorDrawing& drawing, ChartStyle style, std::string_view title) {
  const double band = title.empty() ? 0 : chart_title_band;
  const double w = surface_width, h = surface_height + band;
  const double scale = std::min((page.width() - 2 * margin) / w, (page.height() - 2 * margin) / h);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.translate(page.center().x() - w * scale / 2, page.center().y() - h * scale / 2);
  painter.scale(scale, scale);
  // Surface coordinates: a pixel's centre on whole numbers.
  painter.translate(0.5, 0.5 + band);
  ShapePainter shapes(painter, style);
  painter.fillRect(QRectF(-0.5, -0.5 - band, w, h), shapes.colour(drawing.back));
  if (!title.empty()) {
    painter.setFont(chart_font(chart_title_pixels(title)));
    painter.setPen(shapes.colour(col_text));
    painter.drawText(QRectF(-0.5, -0.5 - band, w, band), Qt::AlignCenter, text_of(title));
  }
  painter.setClipRect(QRectF(-0.5, -0.5, w, surface_height));
  painter.setFont(chart_font(12));
  for (const VectorShape& s : drawing.shapes) std::visit(shapes, s);
  painter.restore();
  clear_upper_vector_state();
}

std::optional<QByteArray> pdf_chart(const VectorDrawing& drawing, ChartStyle style,
                                    std::string_view title, Paper paper) {
  QBuffer buffer;
  if (!buffer.open(QIODevice::WriteOnly)) return std::nullopt;
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(
        QPageLayout(QPageSize(page_size_of(paper)), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(text_of(title));
    writer.setCreator(QStringLiteral("hoshizora"));
    QPainter painter;
    if (!painter.begin(&writer)) return std::nullopt;
    const double margin = chart_margin_mm / 25.4 * writer.resolution();
    paint_chart_page(painter, QRectF(0, 0, writer.width(), writer.height()), margin, drawing, style,
                     title);
    if (!painter.end()) return std::nullopt;
  }
  return buffer.data();
}

}  // namespace hz

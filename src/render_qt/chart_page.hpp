// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing painted as vectors by QPainter: a page of a PDF file or of a
// printer, the chart centred on the paper within its margins.
#pragma once

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <optional>
#include <string_view>

#include "render/chart_style.hpp"
#include "render/vector_drawing.hpp"

namespace hz {

// Paints the drawing in a style on a page: the surface (and the title's
// band above it, when there is a title) as large as fits within margin of
// the page's edges, centred; lines and outlines a pixel of the surface wide,
// texts as text in the surface's Japanese gothic (embedded in a PDF).
//
// Given:    page     the whole page, in the painter's coordinates
//           margin   in the same units
void paint_chart_page(QPainter& painter, const QRectF& page, double margin,
                      const VectorDrawing& drawing, ChartStyle style, std::string_view title);

// A PDF file of one portrait page of the paper with the chart on it; nothing
// when Qt cannot make it. Needs a QGuiApplication.
std::optional<QByteArray> pdf_chart(const VectorDrawing& drawing, ChartStyle style,
                                    std::string_view title, Paper paper);

}  // namespace hz

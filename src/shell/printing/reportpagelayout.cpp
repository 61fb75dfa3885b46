// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/printing/reportpagelayout.h"

#include "shell/printing/printfont.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tallyvane {
namespace {

constexpr double PointsPerInch = 72.0;
constexpr double LeastMargin = 18.0; // a quarter inch
constexpr int FooterLines = 3;

QMarginsF leastMargins(QPageLayout paper)
{
    paper.setUnits(QPageLayout::Point);
    const QMarginsF printer = paper.minimumMargins();
    return {std::max(printer.left(), LeastMargin), std::max(printer.top(), LeastMargin),
            std::max(printer.right(), LeastMargin), std::max(printer.bottom(), LeastMargin)};
}

} // namespace

QPointF ReportPageLayout::position(int line, int column) const
{
    return textOrigin + scale * QPointF((column - 1) * columnWidth, line * lineHeight + ascent);
}

QPointF ReportPageLayout::extent(int lines, int columns) const
{
    return textOrigin + scale * QPointF(columns * columnWidth, lines * lineHeight);
}

ReportPageLayout reportPageLayout(const Report& report, const QPagedPaintDevice& device)
{
    ReportPageLayout layout;
    layout.font = printFont(report.font);
    const QFontMetricsF metrics(layout.font, &device);
    const double pointsPerPixel = 1.0 / pixelsPerPoint(device);
    layout.columnWidth = metrics.horizontalAdvance(QLatin1Char('0')) * pointsPerPixel;
    layout.lineHeight = metrics.lineSpacing() * pointsPerPixel;
    layout.ascent = metrics.ascent() * pointsPerPixel;

    const QPageLayout paper = device.pageLayout();
    layout.paperSize = paper.fullRectPoints().size();
    const QMarginsF margins = leastMargins(paper);
    const QSizeF room(layout.paperSize.width() - margins.left() - margins.right(),
                      layout.paperSize.height() - margins.top() - margins.bottom());
    const int columns = std::max(report.widestLine(), 1);
    const int lines = std::max(report.fullestPage(), report.font.pageLines + FooterLines);
    const QSizeF text(columns * layout.columnWidth, lines * layout.lineHeight);
    layout.scale = std::min({1.0, room.width() / text.width(), room.height() / text.height()});
    layout.textOrigin = QPointF(margins.left() + (room.width() - layout.scale * text.width()) / 2,
                                margins.top() + (room.height() - layout.scale * text.height()) / 2);
    return layout;
}

double pixelsPerPoint(const QPagedPaintDevice& device)
{
    return device.logicalDpiY() / PointsPerInch;
}

void paintFromPaperCorner(QPainter& painter, const QPagedPaintDevice& device)
{
    painter.translate(-device.pageLayout().paintRect(QPageLayout::Point).topLeft() * pixelsPerPoint(device));
}

} // namespace tallyvane

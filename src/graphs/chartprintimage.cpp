// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/chartprintimage.h"

#include "graphs/flatbarchart.h"
#include "graphs/solidbarchart.h"

#include <QPainter>

namespace tallyvane {
namespace {

constexpr int PrintedWidthTwips = 9530;
constexpr int PrintedHeightTwips = 5900;
constexpr double TwipsPerPoint = 20.0;
constexpr double TwipsPerInch = 1440.0;
// Widgets are laid out in pixels of a 96 dpi screen.
constexpr double ScreenDotsPerInch = 96.0;
constexpr double Detail = 3.0;

QImage drawn(QWidget& chart)
{
    const QSize size(qRound(PrintedWidthTwips / TwipsPerInch * ScreenDotsPerInch),
                     qRound(PrintedHeightTwips / TwipsPerInch * ScreenDotsPerInch));
    // Laid out as if shown, but never on screen.
    chart.setAttribute(Qt::WA_DontShowOnScreen);
    chart.resize(size);
    chart.show();
    QImage image(size * Detail, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(Detail);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        chart.render(&painter);
    }
    return image;
}

} // namespace

ImagePrintout chartPrintout(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                            bool colour)
{
    QImage image;
    if (kind == ChartKind::Solid) {
        SolidBarChart chart;
        chart.showSeries(series, currencySymbol);
        image = drawn(chart);
    } else {
        FlatBarChart chart;
        chart.showSeries(series, currencySymbol);
        image = drawn(chart);
    }
    if (!colour)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    return {.image = image,
            .printedSize = QSizeF(PrintedWidthTwips / TwipsPerPoint, PrintedHeightTwips / TwipsPerPoint)};
}

} // namespace tallyvane

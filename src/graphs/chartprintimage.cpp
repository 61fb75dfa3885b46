// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/chartprintimage.h"

#include "graphs/barchartpicture.h"
#include "graphs/flatbarchart.h"

#include <QPainter>

namespace tallyvane {

ImagePrintout chartPrintout(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                            bool colour)
{
    if (kind == ChartKind::Solid)
        return chartPicturePrintout(kind, series, currencySymbol, colour);
    FlatBarChart chart;
    chart.showSeries(series, currencySymbol);
    const QImage image = chartPrintImage(
        [&chart](QPainter& painter, const QRectF& area) {
            // Laid out as if shown, but never on screen.
            chart.setAttribute(Qt::WA_DontShowOnScreen);
            chart.resize(area.size().toSize());
            chart.show();
            chart.render(&painter);
        },
        colour);
    return {.image = image, .printedSize = chartPrintedSize()};
}

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/chartprintimage.h"

#include "graphs/barchartpicture.h"
#include "graphs/flatchart.h"

#include <QPainter>
#include <QWidget>

#include <memory>

namespace tallyvane {

ImagePrintout chartPrintout(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                            bool colour)
{
    if (kind == ChartKind::Solid)
        return chartPicturePrintout(kind, series, currencySymbol, colour);
    const std::unique_ptr<FlatChart> flat(makeFlatChart());
    flat->showSeries(series, currencySymbol);
    QWidget& chart = *flat->widget();
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A titled one-series bar chart drawn with QPainter alone, so that it draws
// the same in a window, offscreen, in a printout, in a file the calculator
// writes and without any graphics acceleration. It needs QtGui only.
//
// The solid (three-dimensional) kind shows each bar's front face, and its
// top and right side in darker shades, receding up and to the right towards
// a back wall that carries the value axis's lines; the flat kind is the same
// chart without depth. Every bar keeps its year label: smaller type first,
// then turned labels, when the bars grow too narrow for them.

#include "graphs/chartkind.h"
#include "graphs/charttexts.h"
#include "graphs/graphseries.h"
#include "shell/printing/imageprintout.h"

#include <QFont>
#include <QPolygonF>
#include <QRectF>

#include <functional>
#include <vector>

class QPainter;

namespace tallyvane {

// The year labels under a row of bars, laid out by one rule for the picture
// and for the flat chart of the window: each centred under its bar, upright
// or turned to read upwards ending just under the bars, in `font` (the
// chart's type at the scale the fit chose).
struct PointLabelRow
{
    std::vector<QString> texts;
    std::vector<double> middles; // of the bars, left to right
    double top = 0.0;            // just under the bars
    bool turned = false;
    QFont font;
};

class BarChartPicture
{
public:
    BarChartPicture(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                    const QFont& font);

    struct Bar
    {
        QRectF front;
        QPolygonF top;
        QPolygonF side;
    };

    void paint(QPainter& painter, const QRectF& area) const;
    Bar bar(const QRectF& area, int index) const;
    // The index of the bar under `at`, or -1 off the bars.
    int barAt(const QRectF& area, QPointF at) const;
    // Where the year label of each bar is written (turned labels included).
    std::vector<QRectF> pointLabelBoxes(const QRectF& area) const;
    QFont pointLabelFont(const QRectF& area) const;

private:
    struct Layout
    {
        QRectF title;
        QRectF front; // the plane of the bars' front faces
        double depth = 0.0;
        double slot = 0.0; // the width each bar has to itself
        PointLabelFit labels;
        double labelDepth = 0.0; // the room under the bars that the year labels take

        double yOf(double value, const ValueScale& scale) const;
    };

    Layout layout(const QRectF& area) const;
    Bar bar(const Layout& layout, int index) const;
    void paintWalls(QPainter& painter, const Layout& layout) const;
    PointLabelRow labelRow(const Layout& layout) const;
    void paintBars(QPainter& painter, const Layout& layout) const;
    QFont titleFont() const;
    QFont labelFont(const PointLabelFit& fit) const;

    ChartKind m_kind;
    GraphSeries m_series;
    QString m_currencySymbol;
    QFont m_font;
    ValueScale m_scale;
};

std::vector<QRectF> pointLabelBoxes(const PointLabelRow& row);
void paintPointLabels(QPainter& painter, const PointLabelRow& row);

// The chart's printed size, 9,530 by 5,900 twips, in points.
QSizeF chartPrintedSize();
// The chart as it prints and as the calculator writes it: drawn afresh at
// its printed size with three times a screen's detail, so it never depends
// on a window's size; in grey tones unless it is in colour. `paint` draws
// the chart on the painter over the given area in screen pixels.
QImage chartPrintImage(const std::function<void(QPainter&, const QRectF&)>& paint, bool colour);
// The picture's chart as an image printout, for the printer or a file.
ImagePrintout chartPicturePrintout(ChartKind kind, const GraphSeries& series, const QString& currencySymbol,
                                   bool colour);

} // namespace tallyvane

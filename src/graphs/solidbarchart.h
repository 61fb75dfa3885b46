// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/charttexts.h"
#include "graphs/graphseries.h"

#include <QPolygonF>
#include <QWidget>

namespace tallyvane {

// The solid (three-dimensional) bar chart, drawn with QPainter alone, so it
// draws the same on any screen, offscreen, in a printout and without any
// graphics acceleration. Each bar shows its front face, and its top and
// right side in darker shades, receding up and to the right towards a back
// wall that carries the value axis's lines. Resting the pointer on a bar
// shows its year and value.
class SolidBarChart : public QWidget
{
    Q_OBJECT

public:
    explicit SolidBarChart(QWidget* parent = nullptr);

    void showSeries(const GraphSeries& series, const QString& currencySymbol);
    // The tip for the bar under `at`; empty off the bars.
    QString toolTipAt(QPoint at) const;
    // The front face of the bar of point `index`.
    QRectF barFront(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Where everything goes at the widget's present size.
    struct Layout
    {
        QRectF title;
        QRectF front; // the plane of the bars' front faces
        double depth = 0.0;
        double slot = 0.0; // the width each bar has to itself
        double valueLow = 0.0;
        double valueHigh = 1.0;

        double yOf(double value) const;
    };
    struct Bar
    {
        QRectF front;
        QPolygonF top;
        QPolygonF side;
    };

    Layout layout() const;
    Bar bar(const Layout& layout, int index) const;
    void paintWalls(QPainter& painter, const Layout& layout) const;
    void paintBars(QPainter& painter, const Layout& layout) const;
    QFont titleFont() const;

    GraphSeries m_series;
    QString m_currencySymbol;
    ValueScale m_scale;
};

} // namespace tallyvane

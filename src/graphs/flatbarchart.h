// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/barchartpicture.h"
#include "graphs/flatchart.h"
#include "graphs/graphseries.h"

#include <QChartView>

class QBarCategoryAxis;
class QBarSeries;

namespace tallyvane {

// The flat (two-dimensional) bar chart: the series' title above, one bar per
// point labelled with its year (every bar keeps its label at any size), money
// on the value axis. Resting the pointer
// on a bar shows its year and value.
class FlatBarChart : public QChartView, public FlatChart
{
    Q_OBJECT

public:
    explicit FlatBarChart(QWidget* parent = nullptr);

    QWidget* widget() override { return this; }
    void showSeries(const GraphSeries& series, const QString& currencySymbol) override;
    // The tip for the bar under `at` (viewport coordinates); empty off the bars.
    QString toolTipAt(QPoint at) const;
    // The middle of the bar of point `index`, in viewport coordinates.
    QPoint barMiddle(int index) const;
    // Where each bar's year is written, in viewport coordinates.
    std::vector<QRectF> yearLabelBoxes() const;

protected:
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawForeground(QPainter* painter, const QRectF& rect) override;

private:
    void fitYearLabels();
    PointLabelRow yearLabelRow() const;

    GraphSeries m_series;
    QString m_currencySymbol;
    QBarSeries* m_bars = nullptr;
    QBarCategoryAxis* m_years = nullptr;
    PointLabelFit m_labelFit;
    QFont m_labelFont; // the chart's type at the fit's scale
};

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/graphseries.h"

#include <QChartView>

class QBarSeries;

namespace tallyvane {

// The flat (two-dimensional) bar chart: the series' title above, one bar per
// point labelled with its year, money on the value axis. Resting the pointer
// on a bar shows its year and value.
class FlatBarChart : public QChartView
{
    Q_OBJECT

public:
    explicit FlatBarChart(QWidget* parent = nullptr);

    void showSeries(const GraphSeries& series, const QString& currencySymbol);
    // The tip for the bar under `at` (viewport coordinates); empty off the bars.
    QString toolTipAt(QPoint at) const;
    // The middle of the bar of point `index`, in viewport coordinates.
    QPoint barMiddle(int index) const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    GraphSeries m_series;
    QString m_currencySymbol;
    QBarSeries* m_bars = nullptr;
};

} // namespace tallyvane

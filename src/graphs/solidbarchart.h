// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphs/barchartpicture.h"
#include "graphs/graphseries.h"

#include <QWidget>

#include <optional>

namespace tallyvane {

// The solid (three-dimensional) bar chart of the graph window: the solid
// kind of BarChartPicture at the widget's size. Resting the pointer on a bar
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
    const BarChartPicture& picture() const { return *m_picture; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    GraphSeries m_series;
    QString m_currencySymbol;
    std::optional<BarChartPicture> m_picture;
};

} // namespace tallyvane

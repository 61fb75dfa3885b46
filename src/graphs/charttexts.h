// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a bar chart writes, worked out once for the flat and the solid chart
// alike: the round steps of its value axis and their money labels, each
// bar's label, and the tip shown while the pointer rests on a bar. Figures
// use the program's own formats, never the locale's.

#include "graphs/graphseries.h"

#include <QString>

#include <vector>

namespace tallyvane {

// The value axis runs from `low` to `high` in equal steps: from zero (or a
// round step below the lowest value, should one be negative) to the first
// round step at or above the highest value. Steps are 1, 2, 2.5 or 5 times
// a power of ten, whole units at the least, about five to the axis.
struct ValueScale
{
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;

    std::vector<double> ticks() const;
};

ValueScale valueScaleFor(const std::vector<GraphPoint>& points);

// How the year labels under the bars are set so that every bar keeps one
// that reads: upright at full size where they fit, else in smaller type,
// else turned a quarter turn, in smaller type still where even that is
// too wide. `slot` is the width each bar has; `widest` and `lineHeight`
// are the labels' at full size.
struct PointLabelFit
{
    double scale = 1.0; // of the chart's type size
    bool turned = false;
};
PointLabelFit fitPointLabels(double slot, double widest, double lineHeight);

// "$250,000", "-$200": an axis step in whole units with thousands separators.
QString axisLabel(double value, const QString& currencySymbol);
// "7": the year under a bar.
QString pointLabel(const GraphPoint& point);
// "Year 7: $81,234.56"
QString pointToolTip(const GraphPoint& point, const QString& currencySymbol);
// What a screen reader says of the chart: "20 bars, from Year 1: $150,000.00
// to Year 20: $0.00; the largest Year 1: $150,000.00". "No bars." when empty.
QString chartDescription(const std::vector<GraphPoint>& points, const QString& currencySymbol);

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The flat bar chart as the graph window and its printout use it. The chart
// itself (FlatBarChart) is drawn by the Qt chart library, which is loaded on
// demand (shell/ondemand.h), so the window holds it through this face.

#include "graphs/graphseries.h"

#include <QString>
#include <QtGlobal>

class QWidget;

namespace tallyvane {

class FlatChart
{
public:
    virtual ~FlatChart() = default;
    virtual QWidget* widget() = 0;
    virtual void showSeries(const GraphSeries& series, const QString& currencySymbol) = 0;
};

// A new flat chart in `parent`, or where the chart library cannot be loaded
// (a broken installation) a notice in its place that says why.
FlatChart* makeFlatChart(QWidget* parent = nullptr);

} // namespace tallyvane

extern "C" Q_DECL_EXPORT tallyvane::FlatChart* tallyvane_makeFlatChart(QWidget* parent);

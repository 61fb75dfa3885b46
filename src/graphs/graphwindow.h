// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The graph window (GraphsAll) shows one planner's series as a bar chart:
// the savings planner's value at the end of each year, or a mortgage's or
// loan's balance at the start of each year. The planner hides itself and
// opens this window through its Show Graph button; the window's exit closes
// it and shows that planner again with its results as they were, since this
// window only borrows them.
//
// The series is prepared once, when the window opens (loadGraphSeries);
// the flat and the solid chart both show it, one at a time, and printing
// draws the one on show afresh at the printed size.

#include "graphs/chartkind.h"
#include "graphs/graphseries.h"
#include "shell/plannerwindow.h"

class QPushButton;
class QStackedWidget;

namespace tallyvane {

class SolidBarChart;

class GraphsAll : public PlannerWindow
{
    Q_OBJECT

public:
    GraphsAll(SharedValues& values, UiServices& services, PlannerHost& host, QWidget* parent = nullptr);

    ChartKind chartKind() const { return m_chartKind; }
    const GraphSeries& series() const { return m_series; }

private:
    void layOut();
    void drawFlat();
    void drawSolid();
    void print();

    GraphSeries m_series;
    ChartKind m_chartKind = ChartKind::Flat;

    QStackedWidget* m_charts = nullptr;
    QWidget* m_flat = nullptr; // the flat chart (FlatChart::widget())
    SolidBarChart* m_solid = nullptr;
    QPushButton* m_showFlat = nullptr;
    QPushButton* m_showSolid = nullptr;
    QPushButton* m_printer = nullptr;
    QPushButton* m_exit = nullptr;
};

} // namespace tallyvane

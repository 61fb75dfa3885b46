// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The graph window draws one series that a planner leaves behind after a
// calculation: the savings planner's value at the end of each year, read
// straight from its result table, or a mortgage's or loan's balance at the
// start of each year, which is first gathered year by year from the payment
// table into the graph table. Both tables hold the label of point k (its
// year) in column 1 and its value in column 5 of row k, so the series is read
// from either alike.

#include "core/money.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace tallyvane {

struct SharedValues;

// Who opened the graph window (SharedValues::graphSource).
enum class GraphSource : std::int16_t
{
    Savings = 1,
    Mortgage = 4
};

inline constexpr int GraphTableRows = 46;
inline constexpr int GraphTableColumns = 7;
inline constexpr int GraphLabelColumn = 1;
inline constexpr int GraphValueColumn = 5;

struct GraphPoint
{
    Money label; // the year
    Money value;
};

struct GraphSeries
{
    QString title;
    std::vector<GraphPoint> points;
};

// Fills the graph table from the mortgage's payment table: the principal as
// year 1, then the balance left at the end of each year, one point per year
// to the final payment. Replaces graphPointCount by that number of years.
void buildMortgageGraphTable(SharedValues& values);

// The series of the planner named in values.graphSource, with its title;
// for a mortgage the graph table is built first. Exactly graphPointCount
// points: rows past them belong to no result of this calculation.
GraphSeries loadGraphSeries(SharedValues& values);

} // namespace tallyvane

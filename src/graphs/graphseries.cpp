// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/graphseries.h"

#include "core/sharedvalues.h"
#include "core/whole16.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/mortgageinputslots.h"
#include "mortgage/resulttablelayout.h"

#include <algorithm>

namespace tallyvane {
namespace {

// A balance this small means the loan is paid off.
const Money PaidOff = Money::fromWhole(1);

void setPoint(MoneyTable& graph, int point, Money value)
{
    graph.at(point, GraphLabelColumn) = Money::fromWhole(point);
    graph.at(point, GraphValueColumn) = value;
}

// One row per payment: the balance of the year's last payment, or of the
// payment that paid the loan off when that came earlier in the year.
void gatherFromPayments(const MoneyTable& payments, MoneyTable& graph, int years, int paymentsPerYear)
{
    const int lastRow = payments.rowCount() - 1;
    int row = 1;
    for (int point = 2; point <= years + 1; ++point) {
        const int yearEnd = std::min(lastRow, (point - 1) * paymentsPerYear);
        for (; row <= yearEnd; ++row) {
            setPoint(graph, point, payments.at(row, BalanceColumn));
            if (payments.at(row, BalanceColumn) <= PaidOff)
                break;
        }
    }
}

// One row per year: the balance at the end of each year.
void gatherFromYears(const MoneyTable& years, MoneyTable& graph, int yearCount)
{
    for (int year = 1; year <= std::min(yearCount, years.rowCount() - 1); ++year)
        setPoint(graph, year + 1, years.at(year, BalanceColumn));
}

} // namespace

void buildMortgageGraphTable(SharedValues& values)
{
    values.graphTable.resize(GraphTableRows, GraphTableColumns);
    // The years to the final payment, rounded up unless only a sliver of a
    // year remains; two rows are kept for the principal and the year after.
    const int years = std::min<int>(toWhole16(values.yearsToFinal + 0.49), GraphTableRows - 2);
    const Money principal = values.inputValues.size() > MortgageSlot::Principal
                                ? values.inputValues[MortgageSlot::Principal]
                                : Money();
    setPoint(values.graphTable, 1, principal);
    if (values.plannerMode == static_cast<std::int16_t>(AmortizationView::AllPayments))
        gatherFromPayments(values.resultTable, values.graphTable, years,
                           std::max<int>(1, values.paymentsPerYear));
    else
        gatherFromYears(values.resultTable, values.graphTable, years);
    values.graphPointCount = static_cast<std::int16_t>(years);
}

GraphSeries loadGraphSeries(SharedValues& values)
{
    if (values.graphSource == static_cast<std::int16_t>(GraphSource::Mortgage))
        buildMortgageGraphTable(values);
    const MoneyTable& table = values.graphSource == static_cast<std::int16_t>(GraphSource::Mortgage)
                                  ? values.graphTable
                                  : values.resultTable;
    GraphSeries series{.title = values.graphTitle, .points = {}};
    const int count = std::min<int>(values.graphPointCount, table.rowCount() - 1);
    for (int row = 1; row <= count; ++row)
        series.points.push_back({table.at(row, GraphLabelColumn), table.at(row, GraphValueColumn)});
    return series;
}

} // namespace tallyvane

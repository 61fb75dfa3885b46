// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/schedulerows.h"

#include "mortgage/resulttablelayout.h"

namespace tallyvane {
namespace {

int wholeValue(Money value)
{
    return static_cast<int>(value.raw() / Money::Scale);
}

} // namespace

std::vector<ScheduleRow> visibleRows(const AmortizationResult& result)
{
    const MoneyTable& table = result.resultTable;
    const bool allPayments = result.view == AmortizationView::AllPayments;
    std::vector<ScheduleRow> rows;
    rows.reserve(static_cast<std::size_t>(result.summary.lastRow));
    for (int r = 1; r <= result.summary.lastRow; ++r) {
        ScheduleRow row;
        row.number = wholeValue(table.at(r, NumberColumn));
        if (result.showsDates)
            row.date = QDate::fromJulianDay(table.at(r, DateColumn).raw() / Money::Scale);
        else if (allPayments)
            row.year = wholeValue(table.at(r, YearColumn));
        row.interest = table.at(r, InterestColumn);
        row.principal = table.at(r, PrincipalColumn);
        row.balance = table.at(r, BalanceColumn);
        row.cumulativeInterest = table.at(r, CumulativeInterestColumn);
        row.cumulativePrincipal = table.at(r, CumulativePrincipalColumn);
        rows.push_back(row);
    }
    return rows;
}

} // namespace tallyvane

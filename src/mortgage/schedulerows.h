// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "mortgage/amortizationresult.h"

#include <QDate>

#include <optional>
#include <vector>

namespace tallyvane {

// One visible row of a calculated table, as the grid, the printout and the
// calculator command show it.
struct ScheduleRow
{
    int number = 0;          // payment number, or year number in the annual view
    std::optional<int> year; // the year the payment falls in (all payments, no dates)
    std::optional<QDate> date;
    Money interest;
    Money principal;
    Money balance;
    Money cumulativeInterest;
    Money cumulativePrincipal;
};

std::vector<ScheduleRow> visibleRows(const AmortizationResult& result);

} // namespace tallyvane

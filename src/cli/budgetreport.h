// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "budget/budgetlist.h"
#include "budget/budgettotals.h"
#include "budget/displayperiod.h"

#include <ostream>

namespace tallyvane::cli {

// Both budget lists, already sorted and numbered, with their totals, to be
// shown for one display period.
struct BudgetReport
{
    const BudgetList& incomeList;
    const BudgetList& expenseList;
    const BudgetTotals& totals;
    const DisplayPeriod& period;
};

// Laid out like the worksheet: figures rounded to cents.
void writeBudgetText(const BudgetReport& report, std::ostream& out);
// Figures for the period with four decimals, one line per record and total.
void writeBudgetCsv(const BudgetReport& report, std::ostream& out);
void writeBudgetJson(const BudgetReport& report, std::ostream& out);

} // namespace tallyvane::cli

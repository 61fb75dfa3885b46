// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "budget/budgetlist.h"
#include "budget/displayperiod.h"
#include "core/csvtable.h"

namespace tallyvane {

// Both lists as the worksheet shows them (sorted, numbered, for `period`),
// then the two totals and the net balance, in the calculator's columns:
// list, number, description, amount, budgeted. Figures are rounded as the
// grids show them. Throws PlannerError when a total leaves the money range.
CsvTable budgetCsvTable(const BudgetList& incomeList, const BudgetList& expenseList,
                        const DisplayPeriod& period);

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The budget statement printout: the header line and title, the income
// records with their amounts and budgeted amounts for the period shown, the
// income totals, the same for the expenses, and the current and budgeted net
// balances, in the order and period of the worksheet.
//
// Lines are counted from the 11 the title block takes on the first page. A
// list breaks its page when the count reaches the font's lines per page, and
// the next page repeats the list's headings; a total line, the expense
// section's opening and the net balances move to a new page rather than run
// past its end.

#include "budget/budgetlist.h"
#include "budget/displayperiod.h"
#include "core/report/printout.h"
#include "core/report/report.h"

namespace tallyvane {

// What the statement shows: both lists as sorted and numbered on screen.
struct BudgetStatement
{
    const BudgetList& incomeList;
    const BudgetList& expenseList;
    const DisplayPeriod& period;
};

// Throws PlannerError with Message::NoDataToPrint when both lists are empty,
// and with Message::WrongEntry when a total leaves the money range.
Report budgetPrintout(const BudgetStatement& statement, const PrintoutSettings& settings);

} // namespace tallyvane

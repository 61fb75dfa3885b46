// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "budget/budgetlist.h"
#include "core/money.h"

namespace tallyvane {

// Annual totals of both lists; recomputed for every display, never stored.
struct BudgetTotals
{
    Money totalIncome;
    Money totalIncomeBudgeted;
    Money totalExpenses;
    Money totalExpensesBudgeted;
    Money netBalance;         // totalIncome - totalExpenses
    Money netBalanceBudgeted; // totalIncomeBudgeted - totalExpensesBudgeted
};

// Throws PlannerError (Message::WrongEntry) when a sum leaves the money range.
BudgetTotals computeTotals(const BudgetList& incomeList, const BudgetList& expenseList);

} // namespace tallyvane

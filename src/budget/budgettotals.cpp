// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgettotals.h"

#include "core/plannererror.h"
#include "core/arithmeticfault.h"
#include "core/messages.h"

namespace tallyvane {

BudgetTotals computeTotals(const BudgetList& incomeList, const BudgetList& expenseList)
{
    BudgetTotals totals;
    try {
        for (const BudgetRecord& record : incomeList.records()) {
            totals.totalIncome += record.annualAmount;
            totals.totalIncomeBudgeted += record.annualBudgeted;
        }
        for (const BudgetRecord& record : expenseList.records()) {
            totals.totalExpenses += record.annualAmount;
            totals.totalExpensesBudgeted += record.annualBudgeted;
        }
        totals.netBalance = totals.totalIncome - totals.totalExpenses;
        totals.netBalanceBudgeted = totals.totalIncomeBudgeted - totals.totalExpensesBudgeted;
    } catch (const ArithmeticFault&) {
        throw PlannerError(Message::WrongEntry);
    }
    return totals;
}

} // namespace tallyvane

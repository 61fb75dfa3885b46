// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts the budget worksheet shows, computed here so that the window only
// places them: record figures for the grids, and the totals and net balances
// with their captions for the chosen period.

#include "budget/budgetrecord.h"
#include "budget/budgettotals.h"
#include "budget/displayperiod.h"

#include <QString>

namespace tallyvane {

struct BudgetTotalTexts
{
    QString incomeCaption; // " Monthly income" and so on
    QString income;
    QString incomeBudgeted;
    QString expenseCaption;
    QString expenses;
    QString expensesBudgeted;
    QString netCaption; // "Monthly Net Balance"
    QString netBalance; // with the currency symbol
    QString netBalanceBudgeted;
    bool netBalanceBelowZero = false;
    bool netBalanceBudgetedBelowZero = false;
};

BudgetTotalTexts budgetTotalTexts(const BudgetTotals& totals, const DisplayPeriod& period,
                                  const QString& currencySymbol);

// A record's annual amount or annual budgeted amount as a grid cell shows it.
QString recordFigureText(Money annualValue, const DisplayPeriod& period);

// The per-payment figures of a record being changed, as its boxes show them.
QString entryAmountText(Money amountPerPayment);
QString entryPaymentsText(Money paymentsPerYear);

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetdisplay.h"

#include "budget/budgetfigure.h"
#include "core/numberformat.h"

namespace tallyvane {
namespace {

constexpr int CellWidth = 10;
constexpr int TotalWidth = 12;
constexpr int EntryAmountWidth = 10;
constexpr int EntryPaymentsWidth = 8;

QString total(Money annualValue, const DisplayPeriod& period, const QString& prefix = QString())
{
    return formatFigure(periodFigure(annualValue, period), TotalWidth, prefix);
}

} // namespace

BudgetTotalTexts budgetTotalTexts(const BudgetTotals& totals, const DisplayPeriod& period,
                                  const QString& currencySymbol)
{
    return {.incomeCaption = period.incomeLabel,
            .income = total(totals.totalIncome, period),
            .incomeBudgeted = total(totals.totalIncomeBudgeted, period),
            .expenseCaption = period.expenseLabel,
            .expenses = total(totals.totalExpenses, period),
            .expensesBudgeted = total(totals.totalExpensesBudgeted, period),
            .netCaption = period.netBalanceLabel(),
            .netBalance = total(totals.netBalance, period, currencySymbol),
            .netBalanceBudgeted = total(totals.netBalanceBudgeted, period, currencySymbol),
            .netBalanceBelowZero = totals.netBalance < Money(),
            .netBalanceBudgetedBelowZero = totals.netBalanceBudgeted < Money()};
}

QString recordFigureText(Money annualValue, const DisplayPeriod& period)
{
    return formatFigure(periodFigure(annualValue, period), CellWidth);
}

QString entryAmountText(Money amountPerPayment)
{
    return formatFigure(amountPerPayment.toDouble(), EntryAmountWidth);
}

QString entryPaymentsText(Money paymentsPerYear)
{
    const QString payments = formatMoney(paymentsPerYear, u"###");
    return payments.rightJustified(EntryPaymentsWidth);
}

} // namespace tallyvane

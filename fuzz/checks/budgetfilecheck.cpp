// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzchecks.h"

#include "budget/budgetdisplay.h"
#include "budget/budgetfile.h"
#include "budget/budgettotals.h"
#include "cli/budgetreport.h"
#include "core/plannererror.h"

#include <sstream>

namespace tallyvane::fuzz {
namespace {

bool sameRecords(const BudgetList& a, const BudgetList& b)
{
    if (a.count() != b.count())
        return false;
    for (int n = 1; n <= a.count(); ++n) {
        const BudgetRecord& x = a.record(n);
        const BudgetRecord& y = b.record(n);
        if (x.number != y.number || x.description != y.description || x.annualAmount != y.annualAmount ||
            x.paymentsPerYear != y.paymentsPerYear || x.annualBudgeted != y.annualBudgeted)
            return false;
    }
    return true;
}

// Every record as the grids show it, and as its boxes show it when the user
// picks it to change (refused with a message for 0 payments a year).
void showRecords(const BudgetList& list)
{
    for (int n = 1; n <= list.count(); ++n) {
        for (const DisplayPeriod& period : {DisplayPeriods.front(), AnnualPeriod}) {
            recordFigureText(list.record(n).annualAmount, period);
            recordFigureText(list.record(n).annualBudgeted, period);
        }
        try {
            const BudgetEntry entry = list.recordEntry(n);
            entryAmountText(entry.amountPerPayment);
            entryAmountText(entry.budgetedPerPayment);
            entryPaymentsText(entry.paymentsPerYear);
        } catch (const PlannerError&) {
        }
    }
}

// What the worksheet and the calculator do with a file they opened: sort
// both lists, total them and show them for a period. Totals beyond money are
// refused with a message, never a crash.
void showAsTheWorksheetWould(BudgetList income, BudgetList expenses)
{
    for (const BudgetList* list : {&income, &expenses})
        showRecords(*list);
    for (const SortOrder order : {SortOrder::NamesAToZ, SortOrder::AmountsHiLo}) {
        income.sortList(order);
        expenses.sortList(order);
        BudgetTotals totals;
        try {
            totals = computeTotals(income, expenses);
        } catch (const PlannerError&) {
            return;
        }
        for (const DisplayPeriod& period : {DisplayPeriods.front(), AnnualPeriod}) {
            budgetTotalTexts(totals, period, QStringLiteral("$"));
            const cli::BudgetReport report{income, expenses, totals, period};
            std::ostringstream json;
            cli::writeBudgetJson(report, json);
            requireJson(json.str(), "the budget in JSON does not parse");
            std::ostringstream text;
            cli::writeBudgetText(report, text);
        }
    }
}

} // namespace

void checkBudgetFile(const QByteArray& input)
{
    BudgetList income;
    BudgetList expenses;
    if (!parseBudgetFile(input, income, expenses)) {
        require(income.isEmpty() && expenses.isEmpty(), "a refused budget file leaves both lists empty");
        return;
    }
    const QByteArray written = budgetFileContent(income, expenses);
    BudgetList incomeAgain;
    BudgetList expensesAgain;
    require(parseBudgetFile(written, incomeAgain, expensesAgain), "a budget file written back opens again");
    require(sameRecords(income, incomeAgain) && sameRecords(expenses, expensesAgain),
            "a budget file written back opens to the same records");
    require(budgetFileContent(incomeAgain, expensesAgain) == written,
            "writing a budget file again changes it");
    showAsTheWorksheetWould(income, expenses);
}

} // namespace tallyvane::fuzz

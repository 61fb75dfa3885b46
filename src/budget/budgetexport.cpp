// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetexport.h"

#include "budget/budgetdisplay.h"
#include "budget/budgettotals.h"
#include "core/plainfigure.h"

namespace tallyvane {
namespace {

CsvCell figure(const QString& shown)
{
    return csvFigure(plainFigureOrText(shown));
}

} // namespace

CsvTable budgetCsvTable(const BudgetList& incomeList, const BudgetList& expenseList,
                        const DisplayPeriod& period)
{
    CsvTable table{.headings = {QStringLiteral("list"), QStringLiteral("number"),
                                QStringLiteral("description"), QStringLiteral("amount"),
                                QStringLiteral("budgeted")}};
    for (const auto& [name, list] : {std::pair{QStringLiteral("income"), &incomeList},
                                     std::pair{QStringLiteral("expenses"), &expenseList}})
        for (const BudgetRecord& record : list->records())
            table.rows.push_back({csvText(name), csvFigure(QString::number(record.number)),
                                  csvText(record.description),
                                  figure(recordFigureText(record.annualAmount, period)),
                                  figure(recordFigureText(record.annualBudgeted, period))});

    const BudgetTotalTexts totals =
        budgetTotalTexts(computeTotals(incomeList, expenseList), period, QString());
    const auto totalRow = [&table](const QString& label, const QString& amount, const QString& budgeted) {
        table.rows.push_back({csvText(QStringLiteral("total")), csvText(QString()), csvText(label.trimmed()),
                              figure(amount), figure(budgeted)});
    };
    totalRow(totals.incomeCaption, totals.income, totals.incomeBudgeted);
    totalRow(totals.expenseCaption, totals.expenses, totals.expensesBudgeted);
    totalRow(totals.netCaption, totals.netBalance, totals.netBalanceBudgeted);
    return table;
}

} // namespace tallyvane

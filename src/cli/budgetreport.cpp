// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/budgetreport.h"

#include "budget/budgetfigure.h"
#include "cli/jsonwriter.h"
#include "cli/reporttext.h"

#include <algorithm>

namespace tallyvane::cli {
namespace {

constexpr int FigureWidth = 12;

// Machine-readable figures keep four decimals; dividing money by money rounds
// exactly instead of going through a double.
Money periodMoney(Money annualValue, const DisplayPeriod& period)
{
    return annualValue / Money::fromWhole(period.divisor);
}

int descriptionWidth(const BudgetReport& report)
{
    qsizetype width = 30;
    for (const BudgetList* list : {&report.incomeList, &report.expenseList})
        for (const BudgetRecord& record : list->records())
            width = std::max(width, record.description.size());
    return static_cast<int>(width);
}

void writeTextLine(std::ostream& out, const QString& number, const QString& description, int width,
                   const QString& first, const QString& second)
{
    writeLine(out, number.rightJustified(3) + QStringLiteral("  ") + description.leftJustified(width) +
                       first + second);
}

void writeTextSection(std::ostream& out, const QString& heading, const BudgetList& list, Money total,
                      Money totalBudgeted, const QString& totalLabel, const DisplayPeriod& period, int width)
{
    writeTextLine(out, QString(), heading, width, QStringLiteral("Amount").rightJustified(FigureWidth),
                  QStringLiteral("Budgeted").rightJustified(FigureWidth));
    for (const BudgetRecord& record : list.records())
        writeTextLine(out, QString::number(record.number), record.description, width,
                      formatFigure(periodFigure(record.annualAmount, period), FigureWidth),
                      formatFigure(periodFigure(record.annualBudgeted, period), FigureWidth));
    writeTextLine(out, QString(), totalLabel.trimmed(), width,
                  formatFigure(periodFigure(total, period), FigureWidth),
                  formatFigure(periodFigure(totalBudgeted, period), FigureWidth));
}

void writeCsvLine(std::ostream& out, const QString& list, const QString& number, const QString& description,
                  Money amount, Money budgeted)
{
    out << (list + u',' + number + u',' + csvField(description) + u',').toStdString()
        << amount.toFourDecimals() << ',' << budgeted.toFourDecimals() << "\n";
}

void writeJsonList(JsonWriter& json, const QString& name, const BudgetList& list, const DisplayPeriod& period)
{
    json.key(name);
    json.beginArray();
    for (const BudgetRecord& record : list.records()) {
        json.beginObject();
        json.key(QStringLiteral("number"));
        json.integer(record.number);
        json.key(QStringLiteral("description"));
        json.string(record.description);
        json.key(QStringLiteral("amount"));
        json.money(periodMoney(record.annualAmount, period));
        json.key(QStringLiteral("budgeted"));
        json.money(periodMoney(record.annualBudgeted, period));
        json.endObject();
    }
    json.endArray();
}

} // namespace

void writeBudgetText(const BudgetReport& report, std::ostream& out)
{
    const int width = descriptionWidth(report);
    const BudgetTotals& totals = report.totals;
    writeTextSection(out, QStringLiteral("Income"), report.incomeList, totals.totalIncome,
                     totals.totalIncomeBudgeted, report.period.incomeLabel, report.period, width);
    out << "\n";
    writeTextSection(out, QStringLiteral("Expenses"), report.expenseList, totals.totalExpenses,
                     totals.totalExpensesBudgeted, report.period.expenseLabel, report.period, width);
    out << "\n";
    writeTextLine(out, QString(), QString(), width, QStringLiteral("Current").rightJustified(FigureWidth),
                  QStringLiteral("Budgeted").rightJustified(FigureWidth));
    writeTextLine(out, QString(), report.period.netBalanceLabel(), width,
                  formatFigure(periodFigure(totals.netBalance, report.period), FigureWidth),
                  formatFigure(periodFigure(totals.netBalanceBudgeted, report.period), FigureWidth));
}

void writeBudgetCsv(const BudgetReport& report, std::ostream& out)
{
    const DisplayPeriod& period = report.period;
    const BudgetTotals& totals = report.totals;
    out << "list,number,description,amount,budgeted\n";
    for (const auto& [name, list] : {std::pair{QStringLiteral("income"), &report.incomeList},
                                     std::pair{QStringLiteral("expenses"), &report.expenseList}})
        for (const BudgetRecord& record : list->records())
            writeCsvLine(out, name, QString::number(record.number), record.description,
                         periodMoney(record.annualAmount, period),
                         periodMoney(record.annualBudgeted, period));
    const QString total = QStringLiteral("total");
    writeCsvLine(out, total, QString(), QString(period.incomeLabel).trimmed(),
                 periodMoney(totals.totalIncome, period), periodMoney(totals.totalIncomeBudgeted, period));
    writeCsvLine(out, total, QString(), QString(period.expenseLabel).trimmed(),
                 periodMoney(totals.totalExpenses, period),
                 periodMoney(totals.totalExpensesBudgeted, period));
    writeCsvLine(out, total, QString(), period.netBalanceLabel(), periodMoney(totals.netBalance, period),
                 periodMoney(totals.netBalanceBudgeted, period));
}

void writeBudgetJson(const BudgetReport& report, std::ostream& out)
{
    const DisplayPeriod& period = report.period;
    const BudgetTotals& totals = report.totals;
    JsonWriter json;
    json.beginObject();
    writeJsonList(json, QStringLiteral("income"), report.incomeList, period);
    writeJsonList(json, QStringLiteral("expenses"), report.expenseList, period);
    json.key(QStringLiteral("totals"));
    json.beginObject();
    const std::pair<const char*, Money> figures[] = {
        {"totalIncome", totals.totalIncome},     {"totalIncomeBudgeted", totals.totalIncomeBudgeted},
        {"totalExpenses", totals.totalExpenses}, {"totalExpensesBudgeted", totals.totalExpensesBudgeted},
        {"netBalance", totals.netBalance},       {"netBalanceBudgeted", totals.netBalanceBudgeted},
    };
    for (const auto& [name, value] : figures) {
        json.key(QLatin1String(name));
        json.money(periodMoney(value, period));
    }
    json.endObject();
    json.endObject();
    out << json.text();
}

} // namespace tallyvane::cli

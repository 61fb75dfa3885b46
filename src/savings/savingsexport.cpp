// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsexport.h"

#include "core/plainfigure.h"
#include "savings/savingsdisplay.h"

namespace tallyvane {
namespace {

QString yearClosedBy(int period, const SavingsResult& result, SavingsFrequency frequency)
{
    const int n = periodsPerYear(frequency);
    return period <= result.lastPeriod() && period % n == 0 ? QString::number(period / n) : QString();
}

} // namespace

CsvTable savingsCsvTable(const SavingsResult& result, SavingsFrequency frequency)
{
    CsvTable table{.headings = {QStringLiteral("period"), QStringLiteral("year"), QStringLiteral("invested"),
                                QStringLiteral("interest"), QStringLiteral("value")}};
    const auto figures = [&result](int row) {
        std::vector<CsvCell> cells;
        for (int column = 1; column < SavingsGridColumns; ++column)
            cells.push_back(csvFigure(plainFigureOrText(savingsCellText(result, row, column, QString()))));
        return cells;
    };
    for (int row = 1; row <= result.periodRows(); ++row) {
        std::vector<CsvCell> cells{csvFigure(QString::number(row)),
                                   csvFigure(yearClosedBy(row, result, frequency))};
        for (const CsvCell& cell : figures(row))
            cells.push_back(cell);
        table.rows.push_back(cells);
    }
    std::vector<CsvCell> total{csvText(QStringLiteral("total")), csvText(QString())};
    for (const CsvCell& cell : figures(savingsTotalRow(result)))
        total.push_back(cell);
    table.rows.push_back(total);
    return table;
}

} // namespace tallyvane

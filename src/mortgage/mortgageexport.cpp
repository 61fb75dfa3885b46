// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgageexport.h"

#include "core/plainfigure.h"
#include "mortgage/amortizationdisplay.h"
#include "mortgage/schedulerows.h"

namespace tallyvane {

CsvTable mortgageCsvTable(const AmortizationResult& result)
{
    CsvTable table{.headings = {QStringLiteral("row"), QStringLiteral("year"), QStringLiteral("date"),
                                QStringLiteral("interest"), QStringLiteral("principal"),
                                QStringLiteral("balance"), QStringLiteral("cumulativeInterest"),
                                QStringLiteral("cumulativePrincipal")}};
    const auto amount = [](Money value) { return csvFigure(plainFigureOrText(amountCellText(value))); };
    for (const ScheduleRow& row : visibleRows(result))
        table.rows.push_back({csvFigure(QString::number(row.number)),
                              csvFigure(row.year ? QString::number(*row.year) : QString()),
                              csvText(row.date ? row.date->toString(Qt::ISODate) : QString()),
                              amount(row.interest), amount(row.principal), amount(row.balance),
                              amount(row.cumulativeInterest), amount(row.cumulativePrincipal)});
    return table;
}

} // namespace tallyvane

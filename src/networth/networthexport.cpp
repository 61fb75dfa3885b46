// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthexport.h"

#include "core/arithmeticfault.h"
#include "core/messages.h"
#include "core/numberformat.h"
#include "core/plannererror.h"
#include "networth/networthdisplay.h"
#include "networth/networthstatement.h"

namespace tallyvane {
namespace {

CsvCell figure(std::optional<Money> value)
{
    return csvFigure(value ? formatMoney(*value, u"0.00") : QString());
}

} // namespace

CsvTable netWorthCsvTable(const NetWorthSheet& sheet)
{
    CsvTable table{.headings = {QStringLiteral("side"), QStringLiteral("name"), QStringLiteral("value")}};
    const std::pair<NetWorthSide, QString> sides[] = {
        {NetWorthSide::Assets, QStringLiteral("assets")},
        {NetWorthSide::Liabilities, QStringLiteral("liabilities")}};
    try {
        for (const auto& [side, name] : sides)
            for (const StatementLine& line : statementLines(sheet, side))
                table.rows.push_back({csvText(name), csvText(line.name), figure(line.value)});
    } catch (const ArithmeticFault&) {
        throw PlannerError(Message::WrongOrMissingEntry);
    }
    for (const auto& [side, name] : sides)
        table.rows.push_back(
            {csvText(QStringLiteral("total")), csvText(totalCaption(side)), figure(sheet.total(side))});
    table.rows.push_back(
        {csvText(QStringLiteral("total")), csvText(QStringLiteral("Net Worth")), figure(sheet.netWorth())});
    return table;
}

} // namespace tallyvane

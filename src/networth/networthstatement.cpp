// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthstatement.h"

namespace tallyvane {

std::vector<StatementLine> statementLines(const NetWorthSheet& sheet, NetWorthSide side)
{
    const CellTable& cells = sheet.cells(side);
    std::vector<StatementLine> lines;
    for (int row = 1; row <= sheet.count(side); ++row) {
        StatementLine line{cells.name(row).textForm(), std::nullopt};
        if (cells.value(row).isNumber())
            line.value = cells.value(row).leadingMoney();
        lines.push_back(line);
    }
    return lines;
}

} // namespace tallyvane

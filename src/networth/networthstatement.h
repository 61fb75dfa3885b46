// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "networth/networthsheet.h"

#include <QString>

#include <optional>
#include <vector>

namespace tallyvane {

// One row of a side as the statement lists it after Calculate: the name, and
// the figure when the value cell holds a number (a "Sub Total" row holds its
// group's sum).
struct StatementLine
{
    QString name;
    std::optional<Money> value;
};

// Rows 1 to the side's count. Meant for a calculated sheet, whose figures
// all fit money; a figure that does not raises ArithmeticFault.
std::vector<StatementLine> statementLines(const NetWorthSheet& sheet, NetWorthSide side);

} // namespace tallyvane

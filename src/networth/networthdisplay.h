// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the net worth window shows, worked out without the window: the text of
// every grid cell, the totals and the net worth figure, and the quick help.
//
// After a Calculate a side lists its named rows, each figure above zero, and
// two rows below the last entry its total. A cell typed into since then shows
// what the user typed instead, whatever row it is in, so typing over the
// total row hides that part of the total until the next Calculate.

#include "networth/networthsheet.h"

#include <QString>

namespace tallyvane {

// How a grid cell came to hold what it holds.
enum class CellOrigin
{
    Calculated, // as the last Calculate (or file) left it
    Typed       // typed into or cleared since
};

// Grid rows, the heading row included.
inline constexpr int NetWorthGridRows = 35;

QString sideHeading(NetWorthSide side);
// The text of a body cell of a side's grid (rows from 1).
QString netWorthCellText(const NetWorthSheet& sheet, NetWorthSide side, int row, int column,
                         CellOrigin origin, const QString& currencySymbol);
// The grid row that shows the side's total: two below its last entry.
int totalRow(const NetWorthSheet& sheet, NetWorthSide side);
QString totalCaption(NetWorthSide side);
QString totalText(const NetWorthSheet& sheet, NetWorthSide side, const QString& currencySymbol);
QString netWorthText(const NetWorthSheet& sheet, const QString& currencySymbol);

QString netWorthQuickHelp();

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/networthsheet.h"

#include "core/arithmeticfault.h"
#include "core/leadingnumber.h"
#include "core/messages.h"
#include "core/plannererror.h"
#include "core/whole16.h"

#include <algorithm>

namespace tallyvane {
namespace {

constexpr int FirstRefusedInsertLine = 29;

std::size_t indexOf(NetWorthSide side)
{
    return side == NetWorthSide::Assets ? 0 : 1;
}

// The last row holding anything, which may lie past the count when the user
// has typed rows since the last Calculate.
int lastUsedRow(const CellTable& cells)
{
    for (int row = CellTable::LastEntryRow; row >= 1; --row)
        if (!cells.isRowBlank(row))
            return row;
    return 0;
}

} // namespace

CellTable& NetWorthSheet::cells(NetWorthSide side)
{
    return sideOf(side).cells;
}

const CellTable& NetWorthSheet::cells(NetWorthSide side) const
{
    return sideOf(side).cells;
}

std::int16_t NetWorthSheet::count(NetWorthSide side) const
{
    return sideOf(side).count;
}

void NetWorthSheet::setCount(NetWorthSide side, std::int16_t count)
{
    sideOf(side).count = count;
}

Money NetWorthSheet::total(NetWorthSide side) const
{
    return sideOf(side).total;
}

NetWorthSheet::Side& NetWorthSheet::sideOf(NetWorthSide side)
{
    return m_sides[indexOf(side)];
}

const NetWorthSheet::Side& NetWorthSheet::sideOf(NetWorthSide side) const
{
    return m_sides[indexOf(side)];
}

NetWorthSheet::Side NetWorthSheet::calculated(const Side& side)
{
    Side result;
    double runningSubtotal = 0.0;
    int named = 0;
    for (int row = 1; row <= CellTable::LastEntryRow; ++row) {
        const CellValue& name = side.cells.name(row);
        if (name.isBlank())
            continue;
        ++named;
        result.cells.set(named, CellTable::NameColumn, name);
        const bool closesGroup = isSubTotalName(name);
        // A "Sub Total" row's own figure never counts: it is replaced below.
        const CellValue value = closesGroup ? CellValue::fromText(QString()) : side.cells.value(row);
        result.total += value.leadingMoney();
        runningSubtotal += value.leadingNumber();
        if (closesGroup) {
            const CellValue subtotal = CellValue::fromNumber(runningSubtotal);
            subtotal.leadingMoney(); // a subtotal must be showable as money too
            result.cells.set(named, CellTable::ValueColumn, subtotal);
            runningSubtotal = 0.0;
        } else {
            result.cells.set(named, CellTable::ValueColumn, value);
        }
    }
    result.count = toWhole16(static_cast<std::int64_t>(named));
    return result;
}

void NetWorthSheet::calculate()
{
    try {
        const Side assets = calculated(sideOf(NetWorthSide::Assets));
        const Side liabilities = calculated(sideOf(NetWorthSide::Liabilities));
        const Money netWorth = assets.total - liabilities.total;
        sideOf(NetWorthSide::Assets) = assets;
        sideOf(NetWorthSide::Liabilities) = liabilities;
        m_netWorth = netWorth;
    } catch (const ArithmeticFault&) {
        throw PlannerError(Message::WrongOrMissingEntry);
    }
}

bool NetWorthSheet::insertBlankRow(NetWorthSide side, int line)
{
    if (line < 1 || line >= FirstRefusedInsertLine)
        return false;
    Side& target = sideOf(side);
    // Counting the rows typed since the last Calculate keeps the shift from
    // overwriting them.
    const int used = std::max<int>(target.count, lastUsedRow(target.cells));
    if (used >= CellTable::LastEntryRow)
        return false;
    const int newCount = used + 1;
    for (int row = newCount; row > line; --row) {
        target.cells.set(row, CellTable::NameColumn, target.cells.name(row - 1));
        target.cells.set(row, CellTable::ValueColumn, target.cells.value(row - 1));
    }
    target.cells.set(line, CellTable::NameColumn, CellValue::fromText(QString::fromLatin1(BlankLineName)));
    target.cells.set(line, CellTable::ValueColumn, CellValue::fromText(QString()));
    target.count = static_cast<std::int16_t>(newCount);
    return true;
}

void NetWorthSheet::clear()
{
    m_sides = {};
    m_netWorth = Money();
}

bool NetWorthSheet::holdsEntries() const
{
    return lastUsedRow(cells(NetWorthSide::Assets)) > 0 || lastUsedRow(cells(NetWorthSide::Liabilities)) > 0;
}

bool isSubTotalName(const CellValue& name)
{
    return name.textForm().toUpper() == QString::fromLatin1(SubTotalName).toUpper();
}

int insertLineFromText(const QString& typed)
{
    try {
        return toWhole16(readLeadingNumber(typed));
    } catch (const ArithmeticFault&) {
        return 0;
    }
}

} // namespace tallyvane

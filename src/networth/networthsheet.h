// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The net worth statement without its window. Each side (assets and
// liabilities) is a CellTable of up to 30 named rows whose values the user
// types; a row named "Sub Total" closes a group. Calculate drops the rows
// without a name, gives every "Sub Total" row the sum of its group, totals
// both sides in exact money and takes the difference as the net worth.
// Nothing is totalled between two Calculates: counts, totals and the net
// worth always describe the tables as they stood at the last one.
//
// Floating point is kept where the cells hold it (typed values and
// subtotals); the totals and the net worth are money. A total that would
// leave the money range makes Calculate refuse and change nothing, so the
// user can correct the figure instead of seeing a wrapped sum.
//
// CellEditor applies the key-by-key entry rules to one side's table, and
// networthfile.h reads and writes the .NWF file.

#include "core/money.h"
#include "networth/celltable.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tallyvane {

enum class NetWorthSide
{
    Assets,
    Liabilities
};

inline constexpr char SubTotalName[] = "Sub Total";
inline constexpr char BlankLineName[] = "BlankLine";

class NetWorthSheet
{
public:
    CellTable& cells(NetWorthSide side);
    const CellTable& cells(NetWorthSide side) const;
    std::int16_t count(NetWorthSide side) const;
    // A file declares the counts it was saved with; Calculate recounts.
    void setCount(NetWorthSide side, std::int16_t count);
    Money total(NetWorthSide side) const;
    Money netWorth() const { return m_netWorth; }

    // Throws PlannerError (Message::WrongOrMissingEntry), with nothing
    // changed, when a total, a subtotal or the net worth would leave the money
    // range.
    void calculate();

    // Puts a row named "BlankLine" at `line`, moving the rows from there on
    // one down. False when nothing happened: a line of 0 or of 29 and more,
    // or a side whose 30 rows are all taken. The caller recalculates.
    bool insertBlankRow(NetWorthSide side, int line);

    // Empty tables, counts, totals and net worth.
    void clear();
    // Whether any cell of rows 1 to 30 holds a name or a figure, calculated or
    // not: what leaving or opening another file would lose.
    bool holdsEntries() const;

    bool operator==(const NetWorthSheet&) const = default;

private:
    struct Side
    {
        CellTable cells;
        std::int16_t count = 0;
        Money total;

        bool operator==(const Side&) const = default;
    };

    static Side calculated(const Side& side);
    Side& sideOf(NetWorthSide side);
    const Side& sideOf(NetWorthSide side) const;

    std::array<Side, 2> m_sides;
    Money m_netWorth;
};

// "Sub Total" in any letter case, with no extra blanks.
bool isSubTotalName(const CellValue& name);

// The line number typed into the insert prompt; 0 (insert nothing) when the
// text is empty, holds no number or a number beyond a 16-bit whole number.
int insertLineFromText(const QString& typed);

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "networth/cellvalue.h"

#include <array>

namespace tallyvane {

// Characters a name cell takes from the keyboard; both full tables of such
// names stay far below the size a net worth file may have.
inline constexpr int NetWorthNameLimit = 100;

// One side of the statement: rows 0 to 31 by a name column and a value
// column. Row 0 is the heading and holds no data, rows 1 to 30 hold entries,
// and row 31 stays empty (the file still has a line for it).
class CellTable
{
public:
    static constexpr int NameColumn = 0;
    static constexpr int ValueColumn = 1;
    static constexpr int LastEntryRow = 30;
    static constexpr int RowCount = 32;

    static bool isInside(int row, int column);

    // Out-of-range coordinates raise std::out_of_range.
    const CellValue& at(int row, int column) const;
    void set(int row, int column, const CellValue& value);

    const CellValue& name(int row) const { return at(row, NameColumn); }
    const CellValue& value(int row) const { return at(row, ValueColumn); }

    // True when neither cell of the row holds anything.
    bool isRowBlank(int row) const;
    void clear();

    bool operator==(const CellTable&) const = default;

private:
    std::array<std::array<CellValue, 2>, RowCount> m_cells;
};

} // namespace tallyvane

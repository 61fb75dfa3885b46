// SPDX-License-Identifier: GPL-3.0-or-later
#include "networth/celltable.h"

#include <stdexcept>

namespace tallyvane {

bool CellTable::isInside(int row, int column)
{
    return row >= 0 && row < RowCount && (column == NameColumn || column == ValueColumn);
}

const CellValue& CellTable::at(int row, int column) const
{
    if (!isInside(row, column))
        throw std::out_of_range("net worth cell outside the table");
    return m_cells[row][column];
}

void CellTable::set(int row, int column, const CellValue& value)
{
    if (!isInside(row, column))
        throw std::out_of_range("net worth cell outside the table");
    m_cells[row][column] = value;
}

bool CellTable::isRowBlank(int row) const
{
    return name(row).isBlank() && value(row).isBlank();
}

void CellTable::clear()
{
    m_cells = {};
}

} // namespace tallyvane

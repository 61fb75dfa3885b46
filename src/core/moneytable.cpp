// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/moneytable.h"

#include <stdexcept>

namespace tallyvane {

MoneyTable::MoneyTable(int rows, int columns)
{
    resize(rows, columns);
}

void MoneyTable::resize(int rows, int columns)
{
    m_rows = rows;
    m_columns = columns;
    m_cells.assign(static_cast<std::size_t>(rows) * columns, Money());
}

void MoneyTable::clear()
{
    m_rows = 0;
    m_columns = 0;
    m_cells.clear();
    m_cells.shrink_to_fit();
}

void MoneyTable::throwOutOfRange()
{
    throw std::out_of_range("money table cell");
}

} // namespace tallyvane

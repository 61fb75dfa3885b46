// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <vector>

namespace tallyvane {

// A rectangular table of money cells, addressed from row 0 and column 0, as
// the planners' result tables and the graph table are laid out.
class MoneyTable
{
public:
    MoneyTable() = default;
    MoneyTable(int rows, int columns);

    void resize(int rows, int columns); // every cell becomes 0
    void clear();                       // releases the table
    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    bool isEmpty() const { return m_rows == 0; }

    // A cell outside the table is std::out_of_range.
    Money at(int row, int column) const { return m_cells[cellIndex(row, column)]; }
    Money& at(int row, int column) { return m_cells[cellIndex(row, column)]; }

    bool operator==(const MoneyTable&) const = default;

private:
    // Inline with at(), which the engines call for every cell they fill.
    std::size_t cellIndex(int row, int column) const
    {
        if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
            throwOutOfRange();
        return static_cast<std::size_t>(row) * m_columns + column;
    }
    [[noreturn]] static void throwOutOfRange();

    int m_rows = 0;
    int m_columns = 0;
    std::vector<Money> m_cells;
};

} // namespace tallyvane

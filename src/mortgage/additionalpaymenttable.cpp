// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/additionalpaymenttable.h"

#include "core/arithmeticfault.h"

#include <algorithm>

namespace tallyvane {

Money AdditionalPaymentTable::amount(int year) const
{
    if (year < 1 || year > LastYear)
        return Money();
    return m_rows[static_cast<std::size_t>(year)].amount;
}

Money AdditionalPaymentTable::yearNumber(int row) const
{
    if (row < 0 || row > LastYear)
        return Money();
    return m_rows[static_cast<std::size_t>(row)].year;
}

AdditionalPaymentTable::Row& AdditionalPaymentTable::checkedRow(int row)
{
    if (row < 0 || row > LastYear)
        throw ArithmeticFault("additional payment row out of range");
    return m_rows[static_cast<std::size_t>(row)];
}

void AdditionalPaymentTable::setAmount(int year, Money amount)
{
    Row& row = checkedRow(year);
    row.year = Money::fromWhole(year);
    row.amount = amount;
}

void AdditionalPaymentTable::setRow(int row, Money yearNumber, Money amount)
{
    Row& target = checkedRow(row);
    target.year = yearNumber;
    target.amount = amount;
}

void AdditionalPaymentTable::erase()
{
    m_rows.fill(Row{});
}

std::int16_t AdditionalPaymentTable::enteredCount(int lastYear) const
{
    std::int16_t count = 0;
    for (int year = 1; year <= std::min(lastYear, LastYear); ++year)
        if (m_rows[static_cast<std::size_t>(year)].amount > Money())
            ++count;
    return count;
}

} // namespace tallyvane

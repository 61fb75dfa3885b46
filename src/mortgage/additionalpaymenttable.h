// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <array>
#include <cstdint>

namespace tallyvane {

// Extra amounts paid at the first payment of chosen years. Row i describes
// year i (rows 1 to 45); each row keeps the year number it was entered for,
// which the loan files store beside the amount.
class AdditionalPaymentTable
{
public:
    static constexpr int RowCount = 46; // rows 0..45, row 0 unused
    static constexpr int LastYear = RowCount - 1;

    // The amount of a year; years outside 1..45 have none.
    Money amount(int year) const;
    Money yearNumber(int row) const;
    // Sets the amount of a row and records the row as its year.
    void setAmount(int year, Money amount);
    // Sets both columns of a row as a file stores them.
    void setRow(int row, Money yearNumber, Money amount);
    void erase();
    // Rows 1..lastYear with an amount greater than zero.
    std::int16_t enteredCount(int lastYear = LastYear) const;

private:
    struct Row
    {
        Money year;
        Money amount;
    };
    Row& checkedRow(int row);

    std::array<Row, RowCount> m_rows{};
};

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tallyvane {

// The schedule's result table is shared with the grid, the printout and the
// graph, which address its cells by these columns. Row 0 is never written.
enum ResultColumn
{
    YearColumn = 0,   // all payments without dates: the year the payment falls in
    NumberColumn = 1, // payment number, or year number in the annual view
    InterestColumn = 2,
    PrincipalColumn = 3, // includes an additional payment made with it
    BalanceColumn = 4,
    CumulativeInterestColumn = 5,
    CumulativePrincipalColumn = 6,
    DateColumn = 7 // day number of the payment date (QDate::toJulianDay)
};

inline constexpr int ResultTableRows = 2101;
inline constexpr int ResultTableColumns = 8;
inline constexpr int AnnualTableRows = 46;

} // namespace tallyvane

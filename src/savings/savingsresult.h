// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "core/moneytable.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

struct SharedValues;

// The result table is rows 0 to 510 by columns 0 to 5. Rows 1 to L hold the
// periods (1 period number, 2 invested, 3 interest/growth, 4 current value),
// row L + 1 the totals in the same columns, and column 5 of rows 1 to Y the
// value at the end of each year.
inline constexpr int SavingsTableRows = 511;
inline constexpr int SavingsTableColumns = 6;
inline constexpr int PeriodColumn = 1;
inline constexpr int InvestedColumn = 2;
inline constexpr int InterestColumn = 3;
inline constexpr int ValueColumn = 4;
inline constexpr int YearEndColumn = 5;

class SavingsResult
{
public:
    SavingsResult(MoneyTable table, int periodRows, std::int16_t lastPeriod, std::int16_t graphPointCount);

    const MoneyTable& table() const { return m_table; }
    // L: the number of period rows, at least 1 even for a term of 0 years.
    int periodRows() const { return m_periodRows; }
    int totalsRow() const { return m_periodRows + 1; }
    // P: the number of periods; 0 for a term of 0 years.
    std::int16_t lastPeriod() const { return m_lastPeriod; }
    // Y: the number of year-end values; 0 means nothing to graph or print.
    std::int16_t graphPointCount() const { return m_graphPointCount; }
    QString graphTitle() const;

    Money totalInvested() const;
    Money growth() const;
    Money finalValue() const;
    Money yearEndValue(int year) const;

    // Leaves the table, the point count and the title where the grid, the
    // printout and the graph read them.
    void handOver(SharedValues& values) const;

private:
    MoneyTable m_table;
    int m_periodRows = 0;
    std::int16_t m_lastPeriod = 0;
    std::int16_t m_graphPointCount = 0;
};

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/savingsresult.h"

#include "core/messages.h"
#include "core/sharedvalues.h"

#include <utility>

namespace tallyvane {

SavingsResult::SavingsResult(MoneyTable table, int periodRows, std::int16_t lastPeriod,
                             std::int16_t graphPointCount)
    : m_table(std::move(table)), m_periodRows(periodRows), m_lastPeriod(lastPeriod),
      m_graphPointCount(graphPointCount)
{
}

QString SavingsResult::graphTitle() const
{
    return QStringLiteral("Investment value at end of each Year");
}

Money SavingsResult::totalInvested() const
{
    return m_table.at(totalsRow(), InvestedColumn);
}

Money SavingsResult::growth() const
{
    return m_table.at(totalsRow(), InterestColumn);
}

Money SavingsResult::finalValue() const
{
    return m_table.at(totalsRow(), ValueColumn);
}

Money SavingsResult::yearEndValue(int year) const
{
    return m_table.at(year, YearEndColumn);
}

void SavingsResult::handOver(SharedValues& values) const
{
    values.graphPointCount = m_graphPointCount;
    values.resultTable = m_table;
    values.graphTitle = graphTitle();
}

} // namespace tallyvane

#include "savings/savingsresult.h"

#include "core/messages.h"
#include "core/sharedvalues.h"

#include <utility>

namespace tallyvane {

SavingsResult SavingsResult::failed()
{
    return SavingsResult();
}

SavingsResult::SavingsResult(MoneyTable table, int periodRows, std::int16_t lastPeriod,
                             std::int16_t graphPointCount)
    : m_ok(true), m_table(std::move(table)), m_periodRows(periodRows), m_lastPeriod(lastPeriod),
      m_graphPointCount(graphPointCount)
{
}

std::int16_t SavingsResult::messageNumber() const
{
    return m_ok ? 0 : Message::WrongOrMissingEntry;
}

QString SavingsResult::messageText() const
{
    return tallyvane::messageText(messageNumber());
}

QString SavingsResult::graphTitle() const
{
    return QStringLiteral("Investment value at end of each Year");
}

Money SavingsResult::totalInvested() const
{
    return m_ok ? m_table.at(totalsRow(), InvestedColumn) : Money();
}

Money SavingsResult::growth() const
{
    return m_ok ? m_table.at(totalsRow(), InterestColumn) : Money();
}

Money SavingsResult::finalValue() const
{
    return m_ok ? m_table.at(totalsRow(), ValueColumn) : Money();
}

Money SavingsResult::yearEndValue(int year) const
{
    return m_table.at(year, YearEndColumn);
}

void SavingsResult::handOver(SharedValues& values) const
{
    values.graphPointCount = m_graphPointCount;
    if (!m_ok)
        return;
    values.resultTable = m_table;
    values.graphTitle = graphTitle();
}

} // namespace tallyvane

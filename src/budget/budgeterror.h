#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tallyvane {

// A budget operation that was refused; the list it acted on is unchanged.
// It carries the number of the message to show (Message::WrongEntry,
// BoxesOneAndThreeNeedData, RecordDoesNotExist or WrongEntryWithDetail);
// `detail` completes message 19 and is empty for the others.
class BudgetError : public std::runtime_error
{
public:
    explicit BudgetError(std::int16_t messageNumber, const QString& detail = QString());

    std::int16_t messageNumber() const { return m_messageNumber; }
    const QString& detail() const { return m_detail; }

private:
    std::int16_t m_messageNumber;
    QString m_detail;
};

} // namespace tallyvane

#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tallyvane {

// A calculation that cannot produce a schedule. It carries the number of the
// message to show (Message::FortyYearsLimit or Message::WrongOrMissingEntry),
// and what() is that message's text.
class AmortizationError : public std::runtime_error
{
public:
    explicit AmortizationError(std::int16_t messageNumber);

    std::int16_t messageNumber() const { return m_messageNumber; }
    QString messageText() const;

private:
    std::int16_t m_messageNumber;
};

} // namespace tallyvane

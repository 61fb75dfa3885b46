// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tallyvane {

// A planner operation that was refused or could not produce a result. It
// carries the number of the message to show and, for the messages that take
// one, the detail that completes it; what() is the text the user reads. The
// planner's state is as it was before the operation. Every planner engine
// raises this one type, so one guard in the windows and one in the
// calculator show it; programming errors keep their own types and are never
// dressed up as a refusal.
class PlannerError : public std::runtime_error
{
public:
    explicit PlannerError(std::int16_t messageNumber, const QString& detail = QString());

    std::int16_t messageNumber() const { return m_messageNumber; }
    const QString& detail() const { return m_detail; }
    QString messageText() const;

private:
    std::int16_t m_messageNumber;
    QString m_detail;
};

} // namespace tallyvane

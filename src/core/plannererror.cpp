// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/plannererror.h"

#include "core/messages.h"

namespace tallyvane {

PlannerError::PlannerError(std::int16_t messageNumber, const QString& detail)
    : std::runtime_error(tallyvane::messageText(messageNumber, detail).toStdString()),
      m_messageNumber(messageNumber), m_detail(detail)
{
}

QString PlannerError::messageText() const
{
    return QString::fromUtf8(what());
}

} // namespace tallyvane

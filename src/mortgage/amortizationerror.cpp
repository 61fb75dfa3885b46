#include "mortgage/amortizationerror.h"

#include "core/messages.h"

namespace tallyvane {

AmortizationError::AmortizationError(std::int16_t messageNumber)
    : std::runtime_error(tallyvane::messageText(messageNumber).toStdString()), m_messageNumber(messageNumber)
{
}

QString AmortizationError::messageText() const
{
    return QString::fromUtf8(what());
}

} // namespace tallyvane

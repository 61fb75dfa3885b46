#include "mortgage/amortizationerror.h"

namespace tallyvane {
namespace {

const char* textOf(std::int16_t messageNumber)
{
    return messageNumber == FortyYearLimitMessage ? "Wrong entry, 40 Years limit."
                                                  : "Wrong or missing entry, try again.";
}

} // namespace

AmortizationError::AmortizationError(std::int16_t messageNumber)
    : std::runtime_error(textOf(messageNumber)), m_messageNumber(messageNumber)
{
}

QString AmortizationError::messageText() const
{
    return QString::fromUtf8(what());
}

} // namespace tallyvane

#include "core/report/printout.h"

#include "core/messages.h"

namespace tallyvane {

PrintoutSettings printoutSettings(const SharedValues& values)
{
    return {.header = values.printHeader,
            .fontChoice = values.prtFontChoice,
            .currencySymbol = values.currencySymbol};
}

PrintoutRefused::PrintoutRefused(int messageNumber)
    : std::runtime_error(messageText(messageNumber).toStdString()), m_messageNumber(messageNumber)
{
}

} // namespace tallyvane

#pragma once

// What every planner's printout takes besides its own figures, and how a
// printout refuses when there is nothing to print.

#include "core/sharedvalues.h"

#include <QString>

#include <cstdint>
#include <stdexcept>

namespace tallyvane {

struct PrintoutSettings
{
    QString header; // the one line the user typed for this printout
    std::int16_t fontChoice = 0;
    QString currencySymbol = QStringLiteral("$");
};

// The header last asked for, the font choice and the currency symbol.
PrintoutSettings printoutSettings(const SharedValues& values);

// A printout that cannot be made. It carries the number of the message to
// show (such as Message::NoDataToPrint), and what() is that message's text.
class PrintoutRefused : public std::runtime_error
{
public:
    explicit PrintoutRefused(int messageNumber);

    int messageNumber() const { return m_messageNumber; }

private:
    int m_messageNumber;
};

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every planner's printout takes besides its own figures. A printout
// with nothing to print refuses with PlannerError (Message::NoDataToPrint).

#include "core/sharedvalues.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

struct PrintoutSettings
{
    QString header; // the one line the user typed for this printout
    std::int16_t fontChoice = 0;
    QString currencySymbol = QStringLiteral("$");
};

// The header last asked for, the font choice and the currency symbol.
PrintoutSettings printoutSettings(const SharedValues& values);

// The name a print job (and a saved PDF's title) carries: the program, the
// file the figures came from when there is one, and what is printed, as in
// "Tallyvane – HOME.BGT – Budget statement".
QString printJobName(const QString& fileName, const QString& printoutName);

} // namespace tallyvane

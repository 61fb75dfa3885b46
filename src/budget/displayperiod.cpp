// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/displayperiod.h"

namespace tallyvane {

QString DisplayPeriod::netBalanceLabel() const
{
    return periodName + QLatin1String(" Net Balance");
}

const DisplayPeriod* findDisplayPeriod(const QString& listText)
{
    for (const DisplayPeriod& period : DisplayPeriods)
        if (listText == period.listText)
            return &period;
    return nullptr;
}

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QString>

#include <array>
#include <cstdint>

namespace tallyvane {

// A period for which the budget figures are shown: every annual figure is
// divided by the divisor. Stored records are never converted.
struct DisplayPeriod
{
    QLatin1String listText; // as in the "Show for period" list, blanks included
    std::int16_t divisor;
    QLatin1String incomeLabel;
    QLatin1String expenseLabel;
    QLatin1String periodName;

    // "Monthly Net Balance" and so on, with no leading blank.
    QString netBalanceLabel() const;
};

inline constexpr std::array<DisplayPeriod, 7> DisplayPeriods{{
    {QLatin1String("      Weekly"), 52, QLatin1String(" Weekly income"), QLatin1String(" Weekly expenses"),
     QLatin1String("Weekly")},
    {QLatin1String("     2 Weeks"), 26, QLatin1String(" 2 weeks income"), QLatin1String(" 2 weeks expenses"),
     QLatin1String("2 Weeks")},
    {QLatin1String(" Semi-monthly"), 24, QLatin1String(" Semi-monthly income"),
     QLatin1String(" Semi-monthly expenses"), QLatin1String("Semi-monthly")},
    {QLatin1String("     Monthly"), 12, QLatin1String(" Monthly income"), QLatin1String(" Monthly expenses"),
     QLatin1String("Monthly")},
    {QLatin1String("   Quarterly"), 4, QLatin1String(" Quarterly income"),
     QLatin1String(" Quarterly expenses"), QLatin1String("Quarterly")},
    {QLatin1String(" Semi-annual"), 2, QLatin1String(" Semi-annual income"),
     QLatin1String(" Semi-annual expenses"), QLatin1String("Semi-annual")},
    {QLatin1String("      Annual"), 1, QLatin1String(" Annual income"), QLatin1String(" Annual expenses"),
     QLatin1String("Annual")},
}};

inline constexpr const DisplayPeriod& AnnualPeriod = DisplayPeriods[6];

// The period whose list text is exactly `listText`, or nullptr.
const DisplayPeriod* findDisplayPeriod(const QString& listText);

} // namespace tallyvane

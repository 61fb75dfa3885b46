// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace tallyvane {

// The "interest rate factor": how many days the year has, which sets the rate
// periods per year of the two-weekly and weekly payments. The factors are the
// stored eight-decimal constants rather than days / 14 and days / 7, so that
// schedules match those computed before to the last stored decimal.
struct DaysInYear
{
    QString caption; // as the days option and the result label show it
    float days;
    double q26;
    double q52;
};

inline constexpr std::int16_t DaysInYearChoiceCount = 4;
inline constexpr std::int16_t DefaultDaysInYearChoice = 1; // 365 days

// The row of a choice 0..3; any other choice is an ArithmeticFault.
const DaysInYear& daysInYear(std::int16_t choice);
QStringList daysInYearCaptions(); // in choice order

} // namespace tallyvane

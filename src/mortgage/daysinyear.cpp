// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/daysinyear.h"

#include "core/arithmeticfault.h"

#include <array>

namespace tallyvane {
namespace {

const std::array<DaysInYear, DaysInYearChoiceCount>& table()
{
    static const std::array<DaysInYear, DaysInYearChoiceCount> rows{{
        {QStringLiteral("365.25"), 365.25f, 26.08928571, 52.17857143},
        {QStringLiteral("365"), 365.0f, 26.07142857, 52.14285714},
        {QStringLiteral("364"), 364.0f, 26.0, 52.0},
        {QStringLiteral("363"), 363.0f, 25.92857143, 51.85714286},
    }};
    return rows;
}

} // namespace

const DaysInYear& daysInYear(std::int16_t choice)
{
    if (choice < 0 || choice >= DaysInYearChoiceCount)
        throw ArithmeticFault("days-in-year choice out of range");
    return table()[static_cast<std::size_t>(choice)];
}

QStringList daysInYearCaptions()
{
    QStringList captions;
    for (const DaysInYear& row : table())
        captions << row.caption;
    return captions;
}

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "savings/growthrates.h"

#include "core/arithmeticfault.h"

#include <cmath>

namespace tallyvane {

double periodRate(Money annualPercent, int periodsPerYear)
{
    const double n = periodsPerYear;
    const double growth = std::pow(1.0 + annualPercent.toDouble() / 100.0, 1.0 / n) - 1.0;
    // Passing through the equivalent nominal annual percentage keeps the
    // rounding of the figures the planner has always shown.
    const double rate = growth * n * 100.0 / 100.0 / n;
    if (!std::isfinite(rate))
        throw ArithmeticFault("invalid power");
    return rate;
}

float singlePrecisionRate(double rate)
{
    const float single = static_cast<float>(rate);
    if (!std::isfinite(single))
        throw ArithmeticFault("rate out of range");
    return single;
}

Money periodInterest(Money amount, float rate)
{
    return Money::fromDouble(amount.toDouble() * static_cast<double>(rate));
}

} // namespace tallyvane

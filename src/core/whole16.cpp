// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/whole16.h"

#include "core/arithmeticfault.h"

#include <cmath>
#include <limits>

namespace tallyvane {

std::int16_t toWhole16(std::int64_t value)
{
    if (value > std::numeric_limits<std::int16_t>::max() || value < std::numeric_limits<std::int16_t>::min())
        throw ArithmeticFault("whole number out of range");
    return static_cast<std::int16_t>(value);
}

std::int16_t toWhole16(int value)
{
    return toWhole16(static_cast<std::int64_t>(value));
}

std::int16_t toWhole16(double value)
{
    if (!std::isfinite(value))
        throw ArithmeticFault("whole number out of range");
    const double rounded = std::nearbyint(value);
    if (rounded > std::numeric_limits<std::int16_t>::max() ||
        rounded < std::numeric_limits<std::int16_t>::min())
        throw ArithmeticFault("whole number out of range");
    return static_cast<std::int16_t>(rounded);
}

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arithmeticfault.h"
#include "core/money.h"
#include "core/moneyrounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

namespace tallyvane {
namespace {

std::optional<std::int64_t> quick(double value)
{
    try {
        return Money::fromDouble(value).raw();
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

std::optional<std::int64_t> exact(double value)
{
    try {
        return exactTenThousandths(value);
    } catch (const ArithmeticFault&) {
        return std::nullopt;
    }
}

// Checks `value` and its neighbours two steps either way.
void expectSameRounding(double value)
{
    double below = value;
    double above = value;
    for (int step = 0; step <= 2; ++step) {
        ASSERT_EQ(quick(below), exact(below)) << std::hexfloat << below;
        ASSERT_EQ(quick(above), exact(above)) << std::hexfloat << above;
        below = std::nextafter(below, -INFINITY);
        above = std::nextafter(above, INFINITY);
    }
}

// Odd multiples of 1/32 are the doubles exactly halfway between two
// ten-thousandths; the double nearest (k + 0.5) / 10,000 is just off one.
TEST(MoneyRounding, QuickWayAgreesWithTheExactOneEverywhere)
{
    std::mt19937_64 random(20240105);
    std::uniform_int_distribution<std::int64_t> anyRaw(Money::min().raw(), Money::max().raw());
    std::uniform_int_distribution<int> digits(0, 15);
    for (int i = 0; i < 300000; ++i) {
        const std::int64_t k = anyRaw(random) >> (4 * digits(random));
        expectSameRounding(static_cast<double>(k) / Money::Scale);
        expectSameRounding((static_cast<double>(k) + 0.5) / Money::Scale);
        expectSameRounding(static_cast<double>(k | 1) / 32);
        expectSameRounding(std::ldexp(static_cast<double>(k), -digits(random) * 4));
    }
    for (const double edge : {Money::max().toDouble(), Money::min().toDouble(), 0x1p51 / Money::Scale, 0.0,
                              0x1p-1074, 1e-5, 5e-5})
        for (const double sign : {1.0, -1.0})
            expectSameRounding(sign * edge);
}

} // namespace
} // namespace tallyvane

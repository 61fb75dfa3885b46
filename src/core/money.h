// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Money is fixed point: a signed 64-bit count of ten-thousandths. Every value
// that enters money is rounded to the nearest 0.0001 with halves going to the
// even neighbour, and every operation that would leave the 64-bit range raises
// ArithmeticFault instead of wrapping.

#include <atomic>
#include <cmath>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tallyvane {

class Money
{
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;

    static constexpr Money fromRaw(std::int64_t tenThousandths) { return Money(tenThousandths); }
    static Money fromWhole(std::int64_t units);
    // Rounds value × 10,000 once, from the double's exact value.
    static Money fromDouble(double value);
    // Exact conversion of a plain decimal text such as "-12.345", ".5" or "7".
    // Returns nothing for text that is not such a number.
    static std::optional<Money> fromDecimalText(std::string_view text);
    static Money max();
    static Money min();

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / Scale; }
    // Shortest plain decimal form: "12000", "12000.5", "-0.25", "0".
    std::string toPlainText() const;
    // Fixed form with all four decimals: "917.5300".
    std::string toFourDecimals() const;
    bool isZero() const { return m_raw == 0; }

    Money operator-() const;
    Money operator+(Money other) const;
    Money operator-(Money other) const;
    // Exact product rounded to four decimals.
    Money operator*(Money other) const;
    // Quotient rounded to four decimals; dividing by zero is a fault.
    Money operator/(Money other) const;
    Money& operator+=(Money other);
    Money& operator-=(Money other);

    constexpr auto operator<=>(const Money&) const = default;

private:
    friend class ExactMoneyRounding;
    static Money fromDoubleExactly(double value);
    [[noreturn]] static void throwOutOfRange();
    // Above 0, fromDouble always takes the exact way (moneyrounding.h).
    static std::atomic<int> exactRoundingUsers;

    constexpr explicit Money(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

// The conversions and sums below are inline because the engines use them for
// every cell of their tables. Rounding value × 10,000 in floating point is
// only a few instructions, and is taken whenever it provably gives the exact
// answer.
inline Money Money::fromDouble(double value)
{
    const double scaled = value * Scale;
    // Adding and taking away 1.5 × 2^52 rounds a double below 2^51 in size to
    // a whole number; NaN and infinity fail the test and take the exact way,
    // which refuses them.
    if (std::fabs(scaled) < 0x1p51 && exactRoundingUsers.load(std::memory_order_relaxed) == 0) {
        const double nearest = (scaled + 0x1.8p52) - 0x1.8p52;
        // The product is off the exact value by at most half a unit in its
        // last place, less than |scaled| × 2^-52. Farther than that from a
        // half, the exact value rounds to the same whole number.
        if (0.5 - std::fabs(scaled - nearest) > std::fabs(scaled) * 0x1p-52)
            return Money(static_cast<std::int64_t>(nearest));
    }
    return fromDoubleExactly(value);
}

inline Money Money::operator+(Money other) const
{
    std::int64_t sum = 0;
    if (__builtin_add_overflow(m_raw, other.m_raw, &sum))
        throwOutOfRange();
    return Money(sum);
}

inline Money Money::operator-(Money other) const
{
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(m_raw, other.m_raw, &difference))
        throwOutOfRange();
    return Money(difference);
}

inline Money& Money::operator+=(Money other)
{
    return *this = *this + other;
}

inline Money& Money::operator-=(Money other)
{
    return *this = *this - other;
}

} // namespace tallyvane

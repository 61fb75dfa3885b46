// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Money is fixed point: a signed 64-bit count of ten-thousandths. Every value
// that enters money is rounded to the nearest 0.0001 with halves going to the
// even neighbour, and every operation that would leave the 64-bit range raises
// ArithmeticFault instead of wrapping.

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
    static Money fromDouble(double value);
    // Exact conversion of a plain decimal text such as "-12.345", ".5" or "7".
    // Returns nothing for text that is not such a number.
    static std::optional<Money> fromDecimalText(std::string_view text);
    static Money max();
    static Money min();

    constexpr std::int64_t raw() const { return m_raw; }
    double toDouble() const;
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
    constexpr explicit Money(std::int64_t raw) : m_raw(raw) {}
    std::int64_t m_raw = 0;
};

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money.h"

#include "core/arithmeticfault.h"
#include "core/moneyrounding.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace tallyvane {
namespace {

using Wide = __int128;
using UWide = unsigned __int128;

constexpr std::int64_t rawMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t rawMin = std::numeric_limits<std::int64_t>::min();

std::int64_t checkedRaw(Wide value)
{
    if (value > rawMax || value < rawMin)
        throw ArithmeticFault("money out of range");
    return static_cast<std::int64_t>(value);
}

// Divides with rounding to the nearest integer, halves to even.
Wide divideHalfEven(Wide numerator, Wide denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    Wide quotient = numerator / denominator;
    Wide remainder = numerator % denominator;
    if (remainder < 0) {
        quotient -= 1;
        remainder += denominator;
    }
    const Wide twice = remainder * 2;
    if (twice > denominator || (twice == denominator && (quotient % 2 != 0)))
        quotient += 1;
    return quotient;
}

// Rounds magnitude / 2^shift to the nearest whole number, halves to even:
// the quotient is a shift and the remainder the bits shifted out.
UWide shiftHalfEven(UWide magnitude, int shift)
{
    const UWide quotient = magnitude >> shift;
    const UWide remainder = magnitude & ((UWide(1) << shift) - 1);
    const UWide half = UWide(1) << (shift - 1);
    return remainder > half || (remainder == half && (quotient & 1) != 0) ? quotient + 1 : quotient;
}

} // namespace

std::atomic<int> Money::exactRoundingUsers{0};

std::int64_t exactTenThousandths(double value)
{
    // Rounding value × 10,000 in floating point first could turn a value just
    // off a half into an exact half, so the double is taken apart into its
    // whole mantissa and power of two and scaled exactly: value =
    // ±mantissa × 2^exponent.
    const auto bits = std::bit_cast<std::uint64_t>(value);
    constexpr int FractionBits = std::numeric_limits<double>::digits - 1;
    const int biasedExponent = static_cast<int>((bits >> FractionBits) & 0x7ff);
    if (biasedExponent == 0x7ff)
        throw ArithmeticFault("money out of range"); // infinity or NaN
    std::uint64_t mantissa = bits & ((std::uint64_t(1) << FractionBits) - 1);
    if (biasedExponent != 0)
        mantissa |= std::uint64_t(1) << FractionBits;
    const int exponent = std::max(biasedExponent, 1) - 1023 - FractionBits;
    // A whole mantissa of 53 bits is at least 2^52, far beyond money.
    if (exponent >= 0)
        throw ArithmeticFault("money out of range");
    const int shift = -exponent;
    if (shift > 100)
        return 0; // less than a hundredth of a step
    const UWide magnitude = shiftHalfEven(UWide(mantissa) * Money::Scale, shift); // product below 2^67
    const bool negative = (bits >> 63) != 0;
    return checkedRaw(negative ? -Wide(magnitude) : Wide(magnitude));
}

ExactMoneyRounding::ExactMoneyRounding()
{
    ++Money::exactRoundingUsers;
}

ExactMoneyRounding::~ExactMoneyRounding()
{
    --Money::exactRoundingUsers;
}

Money Money::fromWhole(std::int64_t units)
{
    return Money(checkedRaw(static_cast<Wide>(units) * Scale));
}

void Money::throwOutOfRange()
{
    throw ArithmeticFault("money out of range");
}

Money Money::fromDoubleExactly(double value)
{
    return Money(exactTenThousandths(value));
}

std::optional<Money> Money::fromDecimalText(std::string_view text)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        negative = text[at++] == '-';
    Wide whole = 0;
    Wide fraction = 0;
    int fractionDigits = 0;
    bool anyDigit = false;
    bool roundUpCandidate = false;
    bool pastHalf = false;
    bool seenPoint = false;
    bool beyondMoney = false;
    int digitsAfterLimit = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        anyDigit = true;
        const int digit = c - '0';
        if (!seenPoint) {
            // Too large a number is a fault only once the whole text has
            // turned out to be a number.
            beyondMoney = beyondMoney || whole * 10 + digit > Wide(rawMax);
            if (!beyondMoney)
                whole = whole * 10 + digit;
        } else if (fractionDigits < 4) {
            fraction = fraction * 10 + digit;
            ++fractionDigits;
        } else if (digitsAfterLimit++ == 0) {
            roundUpCandidate = digit >= 5;
            pastHalf = digit > 5;
        } else if (digit != 0) {
            pastHalf = pastHalf || roundUpCandidate;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (beyondMoney)
        throw ArithmeticFault("money out of range");
    for (; fractionDigits < 4; ++fractionDigits)
        fraction *= 10;
    Wide raw = whole * Scale + fraction;
    if (roundUpCandidate && (pastHalf || raw % 2 != 0))
        raw += 1;
    return Money(checkedRaw(negative ? -raw : raw));
}

Money Money::max()
{
    return Money(rawMax);
}
Money Money::min()
{
    return Money(rawMin);
}

std::string Money::toFourDecimals() const
{
    const bool negative = m_raw < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(m_raw) : static_cast<unsigned long long>(m_raw);
    std::string fraction = std::to_string(magnitude % Scale);
    fraction.insert(0, 4 - fraction.size(), '0');
    return (negative ? "-" : "") + std::to_string(magnitude / Scale) + "." + fraction;
}

std::string Money::toPlainText() const
{
    std::string text = toFourDecimals();
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

Money Money::operator-() const
{
    return Money(checkedRaw(-static_cast<Wide>(m_raw)));
}

Money Money::operator*(Money other) const
{
    return Money(checkedRaw(divideHalfEven(static_cast<Wide>(m_raw) * other.m_raw, Scale)));
}

Money Money::operator/(Money other) const
{
    if (other.m_raw == 0)
        throw ArithmeticFault("division by zero");
    return Money(checkedRaw(divideHalfEven(static_cast<Wide>(m_raw) * Scale, other.m_raw)));
}

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arithmeticfault.h"
#include "core/money.h"
#include "core/whole16.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace tallyvane {
namespace {

Money raw(std::int64_t tenThousandths)
{
    return Money::fromRaw(tenThousandths);
}

struct DoubleCase
{
    const char* name;
    double value;
    std::int64_t expectedRaw;
};

class MoneyFromDouble : public testing::TestWithParam<DoubleCase>
{
};

TEST_P(MoneyFromDouble, RoundsToFourDecimalsHalvesToEven)
{
    EXPECT_EQ(Money::fromDouble(GetParam().value).raw(), GetParam().expectedRaw);
}

// 1/32 and its odd multiples are the doubles that sit exactly halfway between
// two ten-thousandths, so they show which way a true half goes.
INSTANTIATE_TEST_SUITE_P(Money, MoneyFromDouble,
                         testing::Values(DoubleCase{"Whole", 12000.0, 120000000},
                                         DoubleCase{"TwoDecimals", 917.53, 9175300},
                                         DoubleCase{"SumOfTenths", 0.1 + 0.2, 3000},
                                         DoubleCase{"Negative", -1234.5678, -12345678},
                                         DoubleCase{"HalfGoesDownToEven", 1.0 / 32, 312},
                                         DoubleCase{"HalfGoesUpToEven", 3.0 / 32, 938},
                                         DoubleCase{"NegativeHalfToEven", -1.0 / 32, -312},
                                         DoubleCase{"AboveHalfRoundsUp", 0.00016, 2},
                                         DoubleCase{"BelowHalfRoundsDown", 0.00004, 0},
                                         DoubleCase{"Millions", 2500000.25, 25000002500},
                                         // Just above a half, though value x 10,000 as a double is one.
                                         DoubleCase{"JustAboveHalfRoundsUp", 75808.50585, 758085059},
                                         DoubleCase{"NegativeJustAboveHalf", -75808.50585, -758085059},
                                         DoubleCase{"SmallJustAboveHalf", 0.00025, 3},
                                         DoubleCase{"Zero", 0.0, 0}, DoubleCase{"Tiny", 1e-300, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MoneyFromDoubleRange, OutOfRangeOrNotFiniteIsAFault)
{
    EXPECT_THROW(Money::fromDouble(1e15), ArithmeticFault);
    EXPECT_THROW(Money::fromDouble(-1e15), ArithmeticFault);
    EXPECT_THROW(Money::fromDouble(std::numeric_limits<double>::infinity()), ArithmeticFault);
    EXPECT_THROW(Money::fromDouble(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
    EXPECT_NO_THROW(Money::fromDouble(9e14));
}

struct TextCase
{
    const char* name;
    const char* text;
    std::optional<std::int64_t> expectedRaw;
};

class MoneyFromDecimalText : public testing::TestWithParam<TextCase>
{
};

TEST_P(MoneyFromDecimalText, ReadsExactly)
{
    const std::optional<Money> read = Money::fromDecimalText(GetParam().text);
    ASSERT_EQ(read.has_value(), GetParam().expectedRaw.has_value());
    if (read) {
        EXPECT_EQ(read->raw(), *GetParam().expectedRaw);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Money, MoneyFromDecimalText,
    testing::Values(
        TextCase{"Whole", "7", 70000}, TextCase{"FourDecimals", "-12.3456", -123456},
        TextCase{"LeadingPoint", ".5", 5000}, TextCase{"TrailingPoint", "5.", 50000},
        TextCase{"PlusSign", "+1.25", 12500}, TextCase{"NegativeHalfOfSmallestStep", "-0.00005", 0},
        TextCase{"HalfRoundsToEvenUp", "0.00015", 2}, TextCase{"HalfRoundsToEvenDown", "0.00025", 2},
        TextCase{"JustAboveHalf", "0.000050001", 1}, TextCase{"ManyDecimalsBelowHalf", "1.23454999", 12345},
        TextCase{"ManyDecimalsAboveHalf", "1.23456", 12346},
        TextCase{"Smallest", "-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        TextCase{"Empty", "", std::nullopt}, TextCase{"SignOnly", "-", std::nullopt},
        TextCase{"PointOnly", ".", std::nullopt}, TextCase{"TwoPoints", "1.2.3", std::nullopt},
        TextCase{"Letters", "12abc", std::nullopt}, TextCase{"Exponent", "1e5", std::nullopt},
        TextCase{"Comma", "1,234.00", std::nullopt}, TextCase{"Blank", " 5", std::nullopt},
        TextCase{"LettersAfterDigitsBeyondMoney", "99999999999999999999x", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MoneyFromDecimalTextRange, TooLargeIsAFault)
{
    EXPECT_THROW(Money::fromDecimalText("922337203685477.5808"), ArithmeticFault);
    EXPECT_THROW(Money::fromDecimalText("99999999999999999999999999"), ArithmeticFault);
}

TEST(MoneyArithmetic, SumsDifferencesAndProducts)
{
    EXPECT_EQ((raw(12345) + raw(-345)).raw(), 12000);
    EXPECT_EQ((raw(5) - raw(7)).raw(), -2);
    EXPECT_EQ((Money::fromWhole(3) * Money::fromDecimalText("0.3333").value()).raw(), 9999);
    // 1.0001 x 1.0001 = 1.00020001, beyond four decimals: rounded.
    EXPECT_EQ((raw(10001) * raw(10001)).raw(), 10002);
    // 0.0005 x 0.1 = 0.00005, an exact half: to even.
    EXPECT_EQ((raw(5) * raw(1000)).raw(), 0);
    EXPECT_EQ((raw(15) * raw(1000)).raw(), 2);
    EXPECT_EQ((raw(-15) * raw(1000)).raw(), -2);
    // The product of two large values is formed exactly before rounding.
    EXPECT_EQ((Money::fromWhole(300000000) * Money::fromWhole(30000)).raw(),
              Money::fromWhole(9000000000000).raw());
    Money total;
    total += raw(7);
    total -= raw(2);
    EXPECT_EQ(total.raw(), 5);
}

TEST(MoneyArithmetic, QuotientsRoundHalfToEven)
{
    EXPECT_EQ((Money::fromWhole(1) / Money::fromWhole(3)).raw(), 3333);
    EXPECT_EQ((Money::fromWhole(2) / Money::fromWhole(3)).raw(), 6667);
    EXPECT_EQ((Money::fromWhole(-2) / Money::fromWhole(3)).raw(), -6667);
    EXPECT_EQ((raw(1) / Money::fromWhole(2)).raw(), 0);
    EXPECT_EQ((raw(3) / Money::fromWhole(-2)).raw(), -2);
    EXPECT_THROW(Money::fromWhole(1) / Money(), ArithmeticFault);
}

TEST(MoneyArithmetic, LeavingTheRangeIsAFault)
{
    EXPECT_THROW(Money::max() + raw(1), ArithmeticFault);
    EXPECT_THROW(Money::min() - raw(1), ArithmeticFault);
    EXPECT_THROW(-Money::min(), ArithmeticFault);
    EXPECT_THROW(Money::fromWhole(1000000000) * Money::fromWhole(1000000000), ArithmeticFault);
    EXPECT_THROW(Money::max() / raw(1), ArithmeticFault);
    EXPECT_THROW(Money::fromWhole(std::numeric_limits<std::int64_t>::max() / 1000), ArithmeticFault);
    Money total = Money::max();
    EXPECT_THROW(total += raw(1), ArithmeticFault);
    EXPECT_EQ(total, Money::max()); // a failed sum leaves the total as it was
    EXPECT_NO_THROW(Money::max() + Money::min());
}

TEST(MoneyText, PlainAndFourDecimalForms)
{
    const struct
    {
        std::int64_t raw;
        const char* plain;
        const char* fourDecimals;
    } cases[] = {
        {120000000, "12000", "12000.0000"},
        {120005000, "12000.5", "12000.5000"},
        {2500, "0.25", "0.2500"},
        {-2500, "-0.25", "-0.2500"},
        {-1, "-0.0001", "-0.0001"},
        {0, "0", "0.0000"},
        {std::numeric_limits<std::int64_t>::min(), "-922337203685477.5808", "-922337203685477.5808"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(raw(c.raw).toPlainText(), c.plain);
        EXPECT_EQ(raw(c.raw).toFourDecimals(), c.fourDecimals);
        EXPECT_EQ(Money::fromDecimalText(c.plain), raw(c.raw)) << c.plain;
    }
}

TEST(Whole16, KeepsTheSixteenBitRange)
{
    EXPECT_EQ(toWhole16(std::int64_t{32767}), 32767);
    EXPECT_EQ(toWhole16(std::int64_t{-32768}), -32768);
    EXPECT_THROW(toWhole16(std::int64_t{32768}), ArithmeticFault);
    EXPECT_THROW(toWhole16(std::int64_t{-32769}), ArithmeticFault);
    EXPECT_EQ(toWhole16(40 * 12), 480);
    EXPECT_THROW(toWhole16(400 * 365), ArithmeticFault);
}

TEST(Whole16, RoundsDoublesHalfToEvenAndRefusesNonFinite)
{
    EXPECT_EQ(toWhole16(2.5), 2);
    EXPECT_EQ(toWhole16(3.5), 4);
    EXPECT_EQ(toWhole16(-2.5), -2);
    EXPECT_EQ(toWhole16(32767.4), 32767);
    EXPECT_THROW(toWhole16(32767.5), ArithmeticFault);
    EXPECT_THROW(toWhole16(-32768.6), ArithmeticFault);
    EXPECT_THROW(toWhole16(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault);
    EXPECT_THROW(toWhole16(std::numeric_limits<double>::infinity()), ArithmeticFault);
}

} // namespace
} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/arithmeticfault.h"
#include "core/keyfilters.h"
#include "core/leadingnumber.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace tallyvane {
namespace {

struct DecimalKeyCase
{
    const char* name;
    const char* entryText;
    std::int16_t entryDecimals;
    int key;
    bool delivered;
    std::int16_t decimalsAfter;
};

class DecimalKeyFilter : public testing::TestWithParam<DecimalKeyCase>
{
};

TEST_P(DecimalKeyFilter, DeliversOrRefuses)
{
    const DecimalKeyCase& c = GetParam();
    std::int16_t decimals = c.entryDecimals;
    EXPECT_EQ(decimalKeyFilter(c.key, QString::fromLatin1(c.entryText), decimals),
              c.delivered ? c.key : KeyRefused);
    EXPECT_EQ(decimals, c.decimalsAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, DecimalKeyFilter,
    testing::Values(DecimalKeyCase{"TwoDecimalsRefuseADigit", "12.34", 0, '5', false, 0},
                    DecimalKeyCase{"OneDecimalAcceptsADigit", "12.3", 0, '5', true, 0},
                    DecimalKeyCase{"ThreeDecimalsFull", "5.125", 3, '1', false, 0},
                    DecimalKeyCase{"ThreeDecimalsRoom", "5.12", 3, '1', true, 0},
                    DecimalKeyCase{"ThreeDecimalsNeedSettingEachKey", "5.12", 0, '1', false, 0},
                    DecimalKeyCase{"NoPeriodAcceptsAnyDigits", "123456789012", 0, '9', true, 0},
                    DecimalKeyCase{"NoPeriodKeepsDecimals", "12", 3, '9', true, 3},
                    DecimalKeyCase{"EmptyBox", "", 0, '0', true, 0},
                    DecimalKeyCase{"PeriodAfterDigits", "12", 0, KeyPeriod, true, 0},
                    DecimalKeyCase{"SecondPeriodNotRefused", "12.34", 0, KeyPeriod, true, 0},
                    DecimalKeyCase{"BackspaceWhenFull", "12.34", 0, KeyBackspace, true, 0},
                    DecimalKeyCase{"DeleteWhenFull", "12.34", 0, KeyDelete, true, 0},
                    DecimalKeyCase{"Minus", "12", 0, KeyMinus, false, 0},
                    DecimalKeyCase{"Comma", "12", 0, ',', false, 0},
                    DecimalKeyCase{"Letter", "12", 0, 'a', false, 0},
                    DecimalKeyCase{"CapitalLetter", "", 0, 'E', false, 0},
                    DecimalKeyCase{"Blank", "", 0, ' ', false, 0},
                    DecimalKeyCase{"DoubleQuote", "", 0, KeyDoubleQuote, false, 0},
                    DecimalKeyCase{"Enter", "12", 0, KeyEnter, false, 0},
                    DecimalKeyCase{"NonAsciiDigit", "", 0, 0x0663, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecimalKeyFilterLimit, CountsTheWholeTextNotTheCaret)
{
    // Two decimals reached: even a digit meant for the whole part is refused.
    std::int16_t decimals = 0;
    EXPECT_EQ(decimalKeyFilter('1', QStringLiteral("2.50"), decimals), KeyRefused);
    // The limit follows the first period even when a second one was typed.
    EXPECT_EQ(decimalKeyFilter('1', QStringLiteral("1.2."), decimals), KeyRefused);
    EXPECT_EQ(decimalKeyFilter('1', QStringLiteral("1.."), decimals), '1');
}

TEST(WholeNumberKeyFilter, DeliversDigitsBackspaceAndDeleteOnly)
{
    for (int key = '0'; key <= '9'; ++key)
        EXPECT_EQ(wholeNumberKeyFilter(key), key);
    EXPECT_EQ(wholeNumberKeyFilter(KeyBackspace), KeyBackspace);
    EXPECT_EQ(wholeNumberKeyFilter(KeyDelete), KeyDelete);
    for (const int key : {int(KeyPeriod), int(KeyMinus), int(','), int('a'), int(' '), int(KeyEnter),
                          int(KeyDoubleQuote), 0x0663})
        EXPECT_EQ(wholeNumberKeyFilter(key), KeyRefused) << key;
}

struct LeadingCase
{
    const char* name;
    const char* text;
    const char* leading;
    double value;
};

class LeadingNumber : public testing::TestWithParam<LeadingCase>
{
};

TEST_P(LeadingNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    const LeadingCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(leadingNumberText(text), QString::fromLatin1(c.leading));
    EXPECT_DOUBLE_EQ(readLeadingNumber(text), c.value);
    EXPECT_EQ(readLeadingMoney(text), Money::fromDouble(c.value));
}

INSTANTIATE_TEST_SUITE_P(
    Reading, LeadingNumber,
    testing::Values(
        LeadingCase{"Empty", "", "0", 0}, LeadingCase{"Plain", "1234.56", "1234.56", 1234.56},
        LeadingCase{"ThousandsSeparatorStops", "1,234.00", "1", 1},
        LeadingCase{"SecondPeriodStops", "1.2.3", "1.2", 1.2}, LeadingCase{"LetterStops", "12abc", "12", 12},
        LeadingCase{"ExponentIsNotRead", "2e3", "2", 2}, LeadingCase{"PercentStops", "7.5%", "7.5", 7.5},
        LeadingCase{"LeadingBlanks", "   42", "42", 42}, LeadingCase{"InnerBlankStops", "4 2", "4", 4},
        LeadingCase{"Negative", "-3.25", "-3.25", -3.25}, LeadingCase{"PlusSign", "+8", "+8", 8},
        LeadingCase{"LeadingPoint", ".5", ".5", 0.5}, LeadingCase{"TrailingPoint", "5.", "5.", 5},
        LeadingCase{"NegativeLeadingPoint", "-.75", "-.75", -0.75}, LeadingCase{"PointOnly", ".", "0", 0},
        LeadingCase{"SignOnly", "-", "0", 0}, LeadingCase{"Letters", "abc", "0", 0},
        LeadingCase{"NonAsciiDigit", "\u0663", "0", 0}, LeadingCase{"CurrencyFirst", "$12", "0", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeadingMoney, ReadsExactlyAndFaultsOutOfRange)
{
    EXPECT_EQ(readLeadingMoney(QStringLiteral("0.00015 rest")).raw(), 2);
    EXPECT_EQ(readLeadingMoney(QStringLiteral("922337203685477.5807")), Money::max());
    EXPECT_THROW(readLeadingMoney(QStringLiteral("99999999999999999999")), ArithmeticFault);
}

} // namespace
} // namespace tallyvane

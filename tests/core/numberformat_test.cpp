// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/money.h"
#include "core/numberformat.h"
#include "core/rightalign.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <string>

namespace tallyvane {
namespace {

struct FormatRow
{
    const char* name;
    const char* format;
    const char* for1234_25;
    const char* for0_25;
    const char* forZero;
};

// Every format string the program uses, with its results for 1234.25, 0.25
// and 0.
const FormatRow formatTable[] = {
    {"BoxMoney", "###,,###.00", "1,234.25", ".25", ".00"},
    {"PrintMoney", "####,,###.00", "1,234.25", ".25", ".00"},
    {"PrintColumn", "##,,###.00", "1,234.25", ".25", ".00"},
    {"NetWorthTotal", "####,,##0.00", "1,234.25", "0.25", "0.00"},
    {"SavingsResult", "#####,,##0.00", "1,234.25", "0.25", "0.00"},
    {"AdditionalPayments", "###,###.00", "1,234.25", ".25", ".00"},
    {"SavingsRate", "###.00", "1234.25", ".25", ".00"},
    {"ShortResult", "##.00", "1234.25", ".25", ".00"},
    {"MortgageRate", "###.000", "1234.250", ".250", ".000"},
    {"Percentage", "##0.000", "1234.250", "0.250", "0.000"},
    {"OptionalDecimals", "###.##", "1234.25", ".25", "."},
    {"FullPrecision", "0.########", "1234.25", "0.25", "0."},
    {"ThreeDigitTerm", "###", "1234", "", ""},
    {"TwoDigitTerm", "##", "1234", "", ""},
    {"FourDigitCount", "####", "1234", "", ""},
};

class FormatTable : public testing::TestWithParam<FormatRow>
{
};

TEST_P(FormatTable, MoneyNumberAndTextGiveTheListedResults)
{
    const FormatRow& row = GetParam();
    const QString format = QString::fromLatin1(row.format);
    const struct
    {
        const char* text;
        const char* expected;
    } values[] = {{"1234.25", row.for1234_25}, {"0.25", row.for0_25}, {"0", row.forZero}};
    for (const auto& value : values) {
        const QString expected = QString::fromLatin1(value.expected);
        EXPECT_EQ(formatMoney(*Money::fromDecimalText(value.text), format), expected) << value.text;
        EXPECT_EQ(formatNumber(QString::fromLatin1(value.text).toDouble(), format), expected) << value.text;
        EXPECT_EQ(formatText(QString::fromLatin1(value.text), format), expected) << value.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatTable, testing::ValuesIn(formatTable),
                         [](const auto& info) { return std::string(info.param.name); });

struct FormatCase
{
    const char* name;
    const char* value;
    const char* format;
    const char* expected;
};

class FormatValue : public testing::TestWithParam<FormatCase>
{
};

TEST_P(FormatValue, MoneyAndDoubleAgree)
{
    const FormatCase& c = GetParam();
    const QString format = QString::fromLatin1(c.format);
    const QString expected = QString::fromLatin1(c.expected);
    EXPECT_EQ(formatMoney(*Money::fromDecimalText(c.value), format), expected);
    EXPECT_EQ(formatNumber(QString::fromLatin1(c.value).toDouble(), format), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatValue,
    testing::Values(FormatCase{"NegativeGrouped", "-1234.25", "###,,###.00", "-1,234.25"},
                    FormatCase{"NegativeBelowOne", "-0.25", "####,,##0.00", "-0.25"},
                    FormatCase{"NegativeWhole", "-7", "###", "-7"},
                    FormatCase{"NegativeRoundedToZeroHasNoSign", "-0.001", "###,,###.00", ".00"},
                    FormatCase{"RoundsUpToShownDecimals", "1234.256", "###,,###.00", "1,234.26"},
                    FormatCase{"RoundsDownToShownDecimals", "1234.254", "###,,###.00", "1,234.25"},
                    FormatCase{"RoundingCarriesIntoThousands", "999.999", "###,,###.00", "1,000.00"},
                    FormatCase{"RoundsToWhole", "19.6", "###", "20"},
                    FormatCase{"NegativeRoundsToNearest", "-2.346", "##0.00", "-2.35"},
                    FormatCase{"ThreeDecimals", "5.1256", "###.000", "5.126"},
                    FormatCase{"Millions", "1234567.89", "###,,###.00", "1,234,567.89"},
                    FormatCase{"BillionsInPrintout", "9876543210.5", "####,,###.00", "9,876,543,210.50"},
                    FormatCase{"MillionsUngrouped", "2500000", "###.00", "2500000.00"},
                    FormatCase{"ExactThousand", "1000", "###,,###.00", "1,000.00"},
                    FormatCase{"NegativeMillions", "-1000000", "####,,##0.00", "-1,000,000.00"},
                    FormatCase{"OptionalDecimalsDropTrailingZeros", "2.5", "###.##", "2.5"},
                    FormatCase{"FullPrecisionKeepsFourDecimals", "0.0625", "0.########", "0.0625"},
                    FormatCase{"MoreRequiredDecimalsThanMoneyHolds", "1.5", "0.00000", "1.50000"},
                    FormatCase{"HalfGoesAwayFromZero", "0.125", "###,,###.00", ".13"},
                    FormatCase{"NegativeHalfGoesAwayFromZero", "-0.125", "##0.00", "-0.13"},
                    FormatCase{"HalfStoredJustBelowInBinary", "0.145", "###,,###.00", ".15"},
                    FormatCase{"HalfToWhole", "2.5", "###", "3"},
                    FormatCase{"HalfCarriesIntoThousands", "999.995", "###,,###.00", "1,000.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatNumber, ShowsDoublesBeyondFourDecimals)
{
    EXPECT_EQ(formatNumber(0.123456789, u"0.########"), QStringLiteral("0.12345679"));
    EXPECT_EQ(formatNumber(-0.0, u"##0.00"), QStringLiteral("0.00"));
}

TEST(FormatMoney, HandlesTheWholeMoneyRange)
{
    EXPECT_EQ(formatMoney(Money::max(), u"###,,###.00"), QStringLiteral("922,337,203,685,477.58"));
    EXPECT_EQ(formatMoney(Money::min(), u"###,,###.00"), QStringLiteral("-922,337,203,685,477.58"));
    EXPECT_EQ(formatMoney(Money::min(), u"0.########"), QStringLiteral("-922337203685477.5808"));
}

struct TextFormatCase
{
    const char* name;
    const char* text;
    const char* expected;
};

class FormatTextValue : public testing::TestWithParam<TextFormatCase>
{
};

TEST_P(FormatTextValue, FormatsNumbersAndReturnsOtherTextUnchanged)
{
    EXPECT_EQ(formatText(QString::fromLatin1(GetParam().text), u"###,,###.00"),
              QString::fromLatin1(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatTextValue,
    testing::Values(TextFormatCase{"Empty", "", ""}, TextFormatCase{"Blanks", "   ", "   "},
                    TextFormatCase{"TwoPeriods", "1.2.3", "1.2.3"}, TextFormatCase{"Letters", "abc", "abc"},
                    TextFormatCase{"NumberThenLetters", "12abc", "12abc"},
                    TextFormatCase{"Exponent", "1e5", "1e5"}, TextFormatCase{"Infinity", "inf", "inf"},
                    TextFormatCase{"PeriodOnly", ".", "."}, TextFormatCase{"LeadingPoint", ".5", ".50"},
                    TextFormatCase{"TrailingPoint", "5.", "5.00"},
                    TextFormatCase{"SurroundingBlanks", " 12.5 ", "12.50"},
                    TextFormatCase{"Negative", "-1234", "-1,234.00"},
                    TextFormatCase{"BeyondMoneyRange", "1000000000000000000",
                                   "1,000,000,000,000,000,000.00"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AlignCase
{
    const char* name;
    const char* text;
    int width;
    const char* expected;
};

class RightAlign : public testing::TestWithParam<AlignCase>
{
};

TEST_P(RightAlign, PadsOnTheLeftOrKeepsTheFirstCharacters)
{
    EXPECT_EQ(rightAlign(QString::fromUtf8(GetParam().text), GetParam().width),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Align, RightAlign,
                         testing::Values(AlignCase{"SymbolInTwo", "$", 2, " $"},
                                         AlignCase{"LongSymbolCut", "EUR", 2, "EU"},
                                         AlignCase{"ExactWidth", "1,234.25", 8, "1,234.25"},
                                         AlignCase{"FigureInBox", "1,234.25", 10, "  1,234.25"},
                                         AlignCase{"EmptyGivesBlanks", "", 10, "          "},
                                         AlignCase{"NonAscii", "\u20ac", 3, "  \u20ac"},
                                         AlignCase{"ZeroWidth", "abc", 0, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatMoneyHalves, RoundAwayFromZero)
{
    EXPECT_EQ(formatMoney(Money::fromRaw(1953250), u"###,,###.00"), "195.33");
    EXPECT_EQ(formatMoney(Money::fromRaw(1953150), u"###,,###.00"), "195.32");
    EXPECT_EQ(formatMoney(Money::fromRaw(-1250), u"##0.00"), "-0.13");
    EXPECT_EQ(formatMoney(Money::fromRaw(5000), u"###"), "1");
}

} // namespace
} // namespace tallyvane

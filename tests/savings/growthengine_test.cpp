// SPDX-License-Identifier: GPL-3.0-or-later
#include "printers.h"

#include "core/moneyrounding.h"
#include "core/numberformat.h"
#include "core/plannererror.h"
#include "core/sharedvalues.h"
#include "savings/growthengine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tallyvane {
namespace {

template <typename Case>
requires requires(Case testCase)
{
    testCase.name;
}
void PrintTo(const Case& testCase, std::ostream* out)
{
    *out << testCase.name;
}

Money amount(const char* text)
{
    return *Money::fromDecimalText(text);
}

SavingsInputs plan(const char* lump, const char* contribution, SavingsFrequency frequency, const char* rate,
                   const char* increase, const char* inflation, int years)
{
    return {amount(lump),      amount(contribution),   frequency, amount(rate), amount(increase),
            amount(inflation), Money::fromWhole(years)};
}

// Figures are compared as the grid shows them: grouped, two decimals.
std::string shown(const SavingsResult& result, int row, int column)
{
    return formatMoney(result.table().at(row, column), u"###,,##0.00").toStdString();
}

std::string shownRow(const SavingsResult& result, int row)
{
    return shown(result, row, InvestedColumn) + " | " + shown(result, row, InterestColumn) + " | " +
           shown(result, row, ValueColumn);
}

struct ExampleCase
{
    const char* name;
    SavingsInputs inputs;
    std::string year1;
    std::string year2;
    std::string year25Value;
    std::string totals;
};

class QuickHelpExampleTest : public ::testing::TestWithParam<ExampleCase>
{
};

TEST_P(QuickHelpExampleTest, MatchesTheWorkedFigures)
{
    const ExampleCase& example = GetParam();
    const SavingsResult result = GrowthEngine().calculate(example.inputs);
    EXPECT_EQ(shownRow(result, 1), example.year1);
    EXPECT_EQ(shownRow(result, 2), example.year2);
    EXPECT_EQ(shown(result, 25, ValueColumn), example.year25Value);
    EXPECT_EQ(shown(result, 25, YearEndColumn), example.year25Value);
    ASSERT_EQ(result.totalsRow(), 26);
    EXPECT_EQ(result.table().at(26, PeriodColumn), Money::fromWhole(25));
    EXPECT_EQ(shownRow(result, 26), example.totals);
}

TEST_P(QuickHelpExampleTest, EveryCellIsRoundedAsExactly)
{
    const SavingsResult quick = GrowthEngine().calculate(GetParam().inputs);
    const ExactMoneyRounding exactOnly;
    EXPECT_TRUE(quick.table() == GrowthEngine().calculate(GetParam().inputs).table());
}

// The interest rate is single precision, which shows in the cents of the long
// annual cases: Example 1 would end at 566,377.30 in double precision.
INSTANTIATE_TEST_SUITE_P(
    Examples, QuickHelpExampleTest,
    ::testing::Values(ExampleCase{"Example1_YearlyContribution",
                                  plan("0", "1000", SavingsFrequency::Annually, "20", "0", "0", 25),
                                  "1,000.00 | 200.00 | 1,200.00", "1,000.00 | 440.00 | 2,640.00",
                                  "566,377.32", "25,000.00 | 541,377.32 | 566,377.32"},
                      ExampleCase{"Example2_LumpSum",
                                  plan("1000", "0", SavingsFrequency::Annually, "20", "0", "0", 25),
                                  "1,000.00 | 200.00 | 1,200.00", "0.00 | 240.00 | 1,440.00", "95,396.22",
                                  "1,000.00 | 94,396.22 | 95,396.22"},
                      ExampleCase{"Example3_RisingContribution",
                                  plan("0", "1000", SavingsFrequency::Annually, "20", "5", "0", 25),
                                  "1,000.00 | 200.00 | 1,200.00", "1,050.00 | 450.00 | 2,700.00",
                                  "736,078.94", "47,727.10 | 688,351.84 | 736,078.94"},
                      ExampleCase{"Example4_Inflation",
                                  plan("30000", "0", SavingsFrequency::Annually, "0", "0", "5", 25),
                                  "30,000.00 | 0.00 | 28,500.00", "0.00 | 0.00 | 27,075.00", "8,321.69",
                                  "30,000.00 | -21,678.31 | 8,321.69"},
                      ExampleCase{"Example5_NegativeInflation",
                                  plan("30000", "0", SavingsFrequency::Annually, "0", "0", "-5", 25),
                                  "30,000.00 | 0.00 | 31,500.00", "0.00 | 0.00 | 33,075.00", "101,590.65",
                                  "30,000.00 | 71,590.65 | 101,590.65"}),
    [](const auto& info) { return std::string(info.param.name); });

// Year 19 of Example 5 is 75,808.50585000000137 before it is stored: just
// above a half of the last decimal, so it must not become an exact half.
TEST(GrowthEngineRounding, ValueJustAboveAHalfIsStoredRoundedUp)
{
    const SavingsResult result =
        GrowthEngine().calculate(plan("30000", "0", SavingsFrequency::Annually, "0", "0", "-5", 25));
    EXPECT_EQ(result.table().at(19, ValueColumn), amount("75808.5059"));
}

struct ShapeCase
{
    const char* name;
    SavingsFrequency frequency;
    int years;
    int periodRows;
    std::int16_t lastPeriod;
    std::int16_t graphPointCount;
};

class TermShapeTest : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(TermShapeTest, LaysOutPeriodTotalsAndYearEndRows)
{
    const ShapeCase& shape = GetParam();
    const SavingsResult result =
        GrowthEngine().calculate(plan("500", "100", shape.frequency, "8", "3", "2", shape.years));
    const MoneyTable& table = result.table();
    EXPECT_EQ(table.rowCount(), 511);
    EXPECT_EQ(result.periodRows(), shape.periodRows);
    EXPECT_EQ(result.lastPeriod(), shape.lastPeriod);
    EXPECT_EQ(result.graphPointCount(), shape.graphPointCount);
    EXPECT_EQ(result.graphTitle(), QStringLiteral("Investment value at end of each Year"));

    for (int row = 1; row <= shape.periodRows; ++row)
        ASSERT_EQ(table.at(row, PeriodColumn), Money::fromWhole(row)) << "row " << row;
    const int totals = shape.periodRows + 1;
    EXPECT_EQ(table.at(totals, PeriodColumn), Money::fromWhole(shape.periodRows));
    EXPECT_EQ(table.at(totals, ValueColumn), table.at(shape.periodRows, ValueColumn));
    EXPECT_EQ(result.growth(), result.finalValue() - result.totalInvested());
    EXPECT_EQ(table.at(totals + 1, PeriodColumn), Money());

    const int n = periodsPerYear(shape.frequency);
    for (int year = 1; year <= shape.graphPointCount; ++year)
        ASSERT_EQ(result.yearEndValue(year), table.at(year * n, ValueColumn)) << "year " << year;
    EXPECT_EQ(table.at(shape.graphPointCount + 1, YearEndColumn), Money());
}

INSTANTIATE_TEST_SUITE_P(
    Terms, TermShapeTest,
    ::testing::Values(ShapeCase{"ZeroYearsStillShowsOneRow", SavingsFrequency::Annually, 0, 1, 0, 0},
                      ShapeCase{"ZeroYearsMonthly", SavingsFrequency::Monthly, 0, 1, 0, 0},
                      ShapeCase{"TenYearsAnnually", SavingsFrequency::Annually, 10, 10, 10, 10},
                      ShapeCase{"TwoYearsQuarterly", SavingsFrequency::Quarterly, 2, 8, 8, 2},
                      ShapeCase{"FortyYearsMonthly", SavingsFrequency::Monthly, 40, 480, 480, 40}),
    [](const auto& info) { return std::string(info.param.name); });

struct RowCase
{
    const char* name;
    SavingsInputs inputs;
    int row;
    std::string expected;
};

class GrowthRowTest : public ::testing::TestWithParam<RowCase>
{
};

TEST_P(GrowthRowTest, ShowsTheExpectedRow)
{
    const SavingsResult result = GrowthEngine().calculate(GetParam().inputs);
    EXPECT_EQ(shownRow(result, GetParam().row), GetParam().expected);
}

// Interest compounds back to the annual percentage and the contribution
// reaches the yearly increase after a full year of periods; inflation comes
// off every period, so a quarterly year takes off a little less than 5%.
INSTANTIATE_TEST_SUITE_P(
    Frequencies, GrowthRowTest,
    ::testing::Values(
        RowCase{"ZeroYearsWorksOutTheFirstPeriod",
                plan("1000", "1000", SavingsFrequency::Annually, "20", "0", "0", 0), 2,
                "2,000.00 | 400.00 | 2,400.00"},
        RowCase{"QuarterlyGrowthOverAYear", plan("1000", "0", SavingsFrequency::Quarterly, "20", "0", "0", 1),
                4, "0.00 | 53.47 | 1,200.00"},
        RowCase{"MonthlyGrowthOverAYear", plan("1000", "0", SavingsFrequency::Monthly, "20", "0", "0", 1), 12,
                "0.00 | 18.09 | 1,200.00"},
        RowCase{"QuarterlyInflationOverAYear",
                plan("30000", "0", SavingsFrequency::Quarterly, "0", "0", "5", 1), 4,
                "0.00 | 0.00 | 28,554.22"},
        RowCase{"MonthlyIncreaseAfterAYear", plan("0", "100", SavingsFrequency::Monthly, "0", "12", "0", 2),
                13, "112.00 | 0.00 | 1,376.65"},
        // 0.2f is 0.2000000030: 29.80 more on ten thousand million.
        RowCase{"SinglePrecisionRateOnALargeSum",
                plan("10000000000", "0", SavingsFrequency::Annually, "20", "0", "0", 1), 1,
                "10,000,000,000.00 | 2,000,000,029.80 | 12,000,000,029.80"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultCase
{
    const char* name;
    SavingsInputs inputs;
};

class GrowthFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(GrowthFaultTest, FailsWithTheWrongEntryMessage)
{
    try {
        GrowthEngine().calculate(GetParam().inputs);
        ADD_FAILURE() << "no error";
    } catch (const PlannerError& error) {
        EXPECT_EQ(error.messageNumber(), 3);
        EXPECT_EQ(error.messageText(), QStringLiteral("Wrong or missing entry, try again."));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GrowthFaultTest,
    ::testing::Values(
        FaultCase{"MoreThanFortyYears", plan("0", "1200", SavingsFrequency::Monthly, "20", "0", "0", 41)},
        FaultCase{"NegativeYears", plan("0", "1200", SavingsFrequency::Annually, "20", "0", "0", -1)},
        FaultCase{"ValueBeyondMoneyRange",
                  plan("800000000000000", "0", SavingsFrequency::Annually, "20", "0", "0", 5)},
        FaultCase{"ContributionIncreaseOverflows",
                  plan("0", "1000", SavingsFrequency::Annually, "0", "900000000", "0", 40)},
        FaultCase{"LossBeyondAllQuarterly",
                  plan("1000", "0", SavingsFrequency::Quarterly, "0", "0", "-150", 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GrowthEngineTest, HandOverLeavesNothingOfAnEarlierPlan)
{
    SharedValues values;
    GrowthEngine()
        .calculate(plan("0", "100", SavingsFrequency::Monthly, "10", "0", "0", 40))
        .handOver(values);
    ASSERT_EQ(values.graphPointCount, 40);

    GrowthEngine()
        .calculate(plan("1000", "0", SavingsFrequency::Annually, "20", "0", "0", 1))
        .handOver(values);
    EXPECT_EQ(values.graphPointCount, 1);
    EXPECT_EQ(values.graphTitle, QStringLiteral("Investment value at end of each Year"));
    EXPECT_EQ(values.resultTable.at(1, YearEndColumn), amount("1200"));
    EXPECT_EQ(values.resultTable.at(2, YearEndColumn), Money());
    EXPECT_EQ(values.resultTable.at(3, ValueColumn), Money());

    EXPECT_THROW(GrowthEngine().calculate(plan("0", "0", SavingsFrequency::Annually, "0", "0", "0", 41)),
                 PlannerError);
}

TEST(SavingsInputsTest, SlotsHoldTheWindowDefaults)
{
    const std::vector<Money> values = SavingsInputs().toSlots();
    ASSERT_EQ(values.size(), 9u);
    EXPECT_EQ(values[ContributionSlot], amount("1200"));
    EXPECT_EQ(values[RateSlot], amount("20"));
    EXPECT_EQ(values[YearsSlot], amount("25"));
    const SavingsInputs read = SavingsInputs::fromSlots(values, SavingsFrequency::Monthly);
    EXPECT_EQ(read.contribution, amount("1200"));
    EXPECT_EQ(read.frequency, SavingsFrequency::Monthly);
    EXPECT_EQ(frequencyFromText(u"Quarterly"), SavingsFrequency::Quarterly);
    EXPECT_EQ(frequencyFromText(u"monthly"), std::nullopt);
}

} // namespace
} // namespace tallyvane

#include "core/numberformat.h"
#include "core/sharedvalues.h"
#include "savings/growthengine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace tallyvane {
namespace {

Money amount(const char* text)
{
    return *Money::fromDecimalText(text);
}

// Figures are compared as the grid shows them: two decimals, grouped.
std::string shown(Money value)
{
    return formatMoney(value, u"###,,##0.00").toStdString();
}

SavingsInputs plan(const char* lump, const char* contribution, SavingsFrequency frequency, const char* rate,
                   const char* increase, const char* inflation, int years)
{
    SavingsInputs inputs;
    inputs.lumpSum = amount(lump);
    inputs.contribution = amount(contribution);
    inputs.frequency = frequency;
    inputs.ratePercent = amount(rate);
    inputs.increasePercent = amount(increase);
    inputs.inflationPercent = amount(inflation);
    inputs.years = Money::fromWhole(years);
    return inputs;
}

struct ShownRow
{
    std::string invested;
    std::string interest;
    std::string value;
};

ShownRow shownRow(const SavingsResult& result, int row)
{
    const MoneyTable& table = result.table();
    return {shown(table.at(row, InvestedColumn)), shown(table.at(row, InterestColumn)),
            shown(table.at(row, ValueColumn))};
}

void expectRow(const SavingsResult& result, int row, const ShownRow& expected)
{
    const ShownRow actual = shownRow(result, row);
    EXPECT_EQ(actual.invested, expected.invested) << "invested, row " << row;
    EXPECT_EQ(actual.interest, expected.interest) << "interest, row " << row;
    EXPECT_EQ(actual.value, expected.value) << "value, row " << row;
}

struct ExampleCase
{
    const char* name;
    SavingsInputs inputs;
    ShownRow year1;
    ShownRow year2;
    std::string year25Value;
    ShownRow totals;
};

void PrintTo(const ExampleCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class QuickHelpExampleTest : public ::testing::TestWithParam<ExampleCase>
{
};

TEST_P(QuickHelpExampleTest, MatchesTheWorkedFigures)
{
    const ExampleCase& example = GetParam();
    const SavingsResult result = GrowthEngine().calculate(example.inputs);
    ASSERT_TRUE(result.ok());

    expectRow(result, 1, example.year1);
    expectRow(result, 2, example.year2);
    EXPECT_EQ(shown(result.table().at(25, ValueColumn)), example.year25Value);
    EXPECT_EQ(shown(result.yearEndValue(25)), example.year25Value);

    EXPECT_EQ(result.totalsRow(), 26);
    EXPECT_EQ(result.table().at(26, PeriodColumn), Money::fromWhole(25));
    expectRow(result, 26, example.totals);
    EXPECT_EQ(result.growth(), result.finalValue() - result.totalInvested());
}

// The interest rate is single precision, which shows in the cents of the
// longer annual cases (Example 1 would end at 566,377.30 in double precision).
INSTANTIATE_TEST_SUITE_P(
    Examples, QuickHelpExampleTest,
    ::testing::Values(ExampleCase{"Example1_YearlyContribution",
                                  plan("0", "1000", SavingsFrequency::Annually, "20", "0", "0", 25),
                                  {"1,000.00", "200.00", "1,200.00"},
                                  {"1,000.00", "440.00", "2,640.00"},
                                  "566,377.32",
                                  {"25,000.00", "541,377.32", "566,377.32"}},
                      ExampleCase{"Example2_LumpSum",
                                  plan("1000", "0", SavingsFrequency::Annually, "20", "0", "0", 25),
                                  {"1,000.00", "200.00", "1,200.00"},
                                  {"0.00", "240.00", "1,440.00"},
                                  "95,396.22",
                                  {"1,000.00", "94,396.22", "95,396.22"}},
                      ExampleCase{"Example3_RisingContribution",
                                  plan("0", "1000", SavingsFrequency::Annually, "20", "5", "0", 25),
                                  {"1,000.00", "200.00", "1,200.00"},
                                  {"1,050.00", "450.00", "2,700.00"},
                                  "736,078.94",
                                  {"47,727.10", "688,351.84", "736,078.94"}},
                      ExampleCase{"Example4_Inflation",
                                  plan("30000", "0", SavingsFrequency::Annually, "0", "0", "5", 25),
                                  {"30,000.00", "0.00", "28,500.00"},
                                  {"0.00", "0.00", "27,075.00"},
                                  "8,321.69",
                                  {"30,000.00", "-21,678.31", "8,321.69"}},
                      ExampleCase{"Example5_NegativeInflation",
                                  plan("30000", "0", SavingsFrequency::Annually, "0", "0", "-5", 25),
                                  {"30,000.00", "0.00", "31,500.00"},
                                  {"0.00", "0.00", "33,075.00"},
                                  "101,590.65",
                                  {"30,000.00", "71,590.65", "101,590.65"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShapeCase
{
    const char* name;
    SavingsFrequency frequency;
    int years;
    int periodRows;
    std::int16_t lastPeriod;
    std::int16_t graphPointCount;
};

void PrintTo(const ShapeCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class TermShapeTest : public ::testing::TestWithParam<ShapeCase>
{
};

TEST_P(TermShapeTest, LaysOutPeriodTotalsAndYearEndRows)
{
    const ShapeCase& shape = GetParam();
    const SavingsResult result =
        GrowthEngine().calculate(plan("500", "100", shape.frequency, "8", "3", "2", shape.years));
    ASSERT_TRUE(result.ok());
    const MoneyTable& table = result.table();

    EXPECT_EQ(table.rowCount(), 511);
    EXPECT_EQ(table.columnCount(), 6);
    EXPECT_EQ(result.periodRows(), shape.periodRows);
    EXPECT_EQ(result.lastPeriod(), shape.lastPeriod);
    EXPECT_EQ(result.graphPointCount(), shape.graphPointCount);
    EXPECT_EQ(result.graphTitle(), QStringLiteral("Investment value at end of each Year"));

    for (int row = 1; row <= shape.periodRows; ++row)
        ASSERT_EQ(table.at(row, PeriodColumn), Money::fromWhole(row)) << "row " << row;
    const int totals = shape.periodRows + 1;
    EXPECT_EQ(table.at(totals, PeriodColumn), Money::fromWhole(shape.periodRows));
    EXPECT_EQ(table.at(totals, ValueColumn), table.at(shape.periodRows, ValueColumn));
    EXPECT_EQ(table.at(totals + 1, PeriodColumn), Money());

    // The year-end series holds the value of every period that closes a year.
    const int n = periodsPerYear(shape.frequency);
    for (int year = 1; year <= shape.graphPointCount; ++year)
        ASSERT_EQ(result.yearEndValue(year), table.at(year * n, ValueColumn)) << "year " << year;
    EXPECT_EQ(table.at(shape.graphPointCount + 1, YearEndColumn), Money());
}

INSTANTIATE_TEST_SUITE_P(
    Terms, TermShapeTest,
    ::testing::Values(ShapeCase{"ZeroYearsStillShowsOneRow", SavingsFrequency::Annually, 0, 1, 0, 0},
                      ShapeCase{"ZeroYearsMonthly", SavingsFrequency::Monthly, 0, 1, 0, 0},
                      ShapeCase{"OneYearAnnually", SavingsFrequency::Annually, 1, 1, 1, 1},
                      ShapeCase{"TenYearsAnnually", SavingsFrequency::Annually, 10, 10, 10, 10},
                      ShapeCase{"TwoYearsQuarterly", SavingsFrequency::Quarterly, 2, 8, 8, 2},
                      ShapeCase{"FortyYearsAnnually", SavingsFrequency::Annually, 40, 40, 40, 40},
                      ShapeCase{"FortyYearsQuarterly", SavingsFrequency::Quarterly, 40, 160, 160, 40},
                      ShapeCase{"FortyYearsMonthly", SavingsFrequency::Monthly, 40, 480, 480, 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GrowthEngineTest, ZeroYearTermWorksOutOnePeriodWithItsTotals)
{
    const SavingsResult result =
        GrowthEngine().calculate(plan("1000", "1000", SavingsFrequency::Annually, "20", "0", "0", 0));
    ASSERT_TRUE(result.ok());
    expectRow(result, 1, {"2,000.00", "400.00", "2,400.00"});
    EXPECT_EQ(result.totalsRow(), 2);
    expectRow(result, 2, {"2,000.00", "400.00", "2,400.00"});
    EXPECT_EQ(result.table().at(1, YearEndColumn), Money());
}

struct RateCase
{
    const char* name;
    SavingsInputs inputs;
    int row;
    ShownRow expected;
};

void PrintTo(const RateCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class PeriodRateTest : public ::testing::TestWithParam<RateCase>
{
};

// Quarterly and monthly interest compounds back to the annual percentage, and
// the contribution reaches the yearly increase after a full year of periods.
TEST_P(PeriodRateTest, ShowsTheExpectedRow)
{
    const RateCase& rateCase = GetParam();
    const SavingsResult result = GrowthEngine().calculate(rateCase.inputs);
    ASSERT_TRUE(result.ok());
    expectRow(result, rateCase.row, rateCase.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, PeriodRateTest,
    ::testing::Values(
        RateCase{"QuarterlyGrowthOverAYear",
                 plan("1000", "0", SavingsFrequency::Quarterly, "20", "0", "0", 1), 4,
                 ShownRow{"0.00", "53.47", "1,200.00"}},
        RateCase{"MonthlyGrowthOverAYear", plan("1000", "0", SavingsFrequency::Monthly, "20", "0", "0", 1),
                 12, ShownRow{"0.00", "18.09", "1,200.00"}},
        RateCase{"MonthlyFirstPeriod", plan("1000", "0", SavingsFrequency::Monthly, "20", "0", "0", 1), 1,
                 ShownRow{"1,000.00", "15.31", "1,015.31"}},
        // Inflation comes off the value each quarter, so a year takes off a
        // little less than the annual 5%.
        RateCase{"QuarterlyInflationOverAYear",
                 plan("30000", "0", SavingsFrequency::Quarterly, "0", "0", "5", 2), 4,
                 ShownRow{"0.00", "0.00", "28,554.22"}},
        RateCase{"QuarterlyIncreaseAfterAYear",
                 plan("0", "100", SavingsFrequency::Quarterly, "0", "5", "0", 2), 5,
                 ShownRow{"105.00", "0.00", "512.42"}},
        RateCase{"MonthlyIncreaseAfterAYear", plan("0", "100", SavingsFrequency::Monthly, "0", "12", "0", 2),
                 13, ShownRow{"112.00", "0.00", "1,376.65"}},
        // Single precision: 0.2f is 0.2000000030, which is 29.80 on ten thousand million.
        RateCase{"SinglePrecisionRateOnALargeSum",
                 plan("10000000000", "0", SavingsFrequency::Annually, "20", "0", "0", 1), 1,
                 ShownRow{"10,000,000,000.00", "2,000,000,029.80", "12,000,000,029.80"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FaultCase
{
    const char* name;
    SavingsInputs inputs;
};

void PrintTo(const FaultCase& testCase, std::ostream* out)
{
    *out << testCase.name;
}

class GrowthFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(GrowthFaultTest, FailsWithTheWrongEntryMessage)
{
    const SavingsResult result = GrowthEngine().calculate(GetParam().inputs);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.messageNumber(), 3);
    EXPECT_EQ(result.messageText(), QStringLiteral("Wrong or missing entry, try again."));
    EXPECT_EQ(result.lastPeriod(), 0);
    EXPECT_EQ(result.graphPointCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GrowthFaultTest,
    ::testing::Values(
        FaultCase{"MoreThanFortyYears", plan("0", "1200", SavingsFrequency::Monthly, "20", "0", "0", 41)},
        FaultCase{"NegativeYears", plan("0", "1200", SavingsFrequency::Annually, "20", "0", "0", -1)},
        FaultCase{"ValueBeyondMoneyRange",
                  plan("800000000000000", "0", SavingsFrequency::Annually, "20", "0", "0", 5)},
        FaultCase{"FirstPeriodBeyondMoneyRange",
                  plan("900000000000000", "900000000000000", SavingsFrequency::Annually, "0", "0", "0", 1)},
        FaultCase{"ContributionIncreaseOverflows",
                  plan("0", "1000", SavingsFrequency::Annually, "0", "900000000", "0", 40)},
        FaultCase{"LossBeyondAllQuarterly",
                  plan("1000", "0", SavingsFrequency::Quarterly, "0", "0", "-150", 1)},
        FaultCase{"NegativeRateBeyondAllMonthly",
                  plan("1000", "0", SavingsFrequency::Monthly, "-200", "0", "0", 1)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GrowthEngineTest, HandOverReplacesWhatALongerPlanLeft)
{
    SharedValues values;
    GrowthEngine()
        .calculate(plan("0", "100", SavingsFrequency::Monthly, "10", "0", "0", 40))
        .handOver(values);
    ASSERT_EQ(values.graphPointCount, 40);

    const SavingsResult shortPlan =
        GrowthEngine().calculate(plan("1000", "0", SavingsFrequency::Annually, "20", "0", "0", 1));
    shortPlan.handOver(values);
    EXPECT_EQ(values.graphPointCount, 1);
    EXPECT_EQ(values.graphTitle, QStringLiteral("Investment value at end of each Year"));
    EXPECT_EQ(values.resultTable.rowCount(), 511);
    EXPECT_EQ(values.resultTable.at(1, YearEndColumn), amount("1200"));
    // Row 2 is the totals row; nothing of the monthly plan survives below it.
    EXPECT_EQ(values.resultTable.at(2, YearEndColumn), Money());
    EXPECT_EQ(values.resultTable.at(3, ValueColumn), Money());
}

TEST(GrowthEngineTest, FailedHandOverLeavesNothingToGraph)
{
    SharedValues values;
    GrowthEngine().calculate(SavingsInputs()).handOver(values);
    ASSERT_EQ(values.graphPointCount, 25);
    GrowthEngine().calculate(plan("0", "0", SavingsFrequency::Annually, "0", "0", "0", 41)).handOver(values);
    EXPECT_EQ(values.graphPointCount, 0);
}

TEST(SavingsInputsTest, SlotsHoldTheWindowDefaults)
{
    const std::vector<Money> values = SavingsInputs().toSlots();
    ASSERT_EQ(values.size(), 9u);
    EXPECT_EQ(values[LumpSumSlot], Money());
    EXPECT_EQ(values[ContributionSlot], amount("1200"));
    EXPECT_EQ(values[RateSlot], amount("20"));
    EXPECT_EQ(values[YearsSlot], amount("25"));

    const SavingsInputs read = SavingsInputs::fromSlots(values, SavingsFrequency::Monthly);
    EXPECT_EQ(read.contribution, amount("1200"));
    EXPECT_EQ(read.frequency, SavingsFrequency::Monthly);
    EXPECT_EQ(SavingsInputs::fromSlots({}, SavingsFrequency::Annually).years, Money());
}

TEST(SavingsFrequencyTest, ReadsOnlyTheListTexts)
{
    for (const SavingsFrequency frequency :
         {SavingsFrequency::Annually, SavingsFrequency::Quarterly, SavingsFrequency::Monthly})
        EXPECT_EQ(frequencyFromText(frequencyText(frequency)), frequency);
    EXPECT_EQ(frequencyFromText(u"monthly"), std::nullopt);
    EXPECT_EQ(frequencyFromText(u""), std::nullopt);
}

} // namespace
} // namespace tallyvane

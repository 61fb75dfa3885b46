// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sharedvalues.h"
#include "graphs/graphseries.h"
#include "printers.h"
#include "savings/growthengine.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct SavingsCase
{
    const char* name;
    SavingsFrequency frequency;
    int years;
};

class SavingsGraphTest : public ::testing::TestWithParam<SavingsCase>
{
};

// One bar per year, labelled with the year, showing the value at its end;
// no bar past the last year, whatever an earlier, longer plan left there.
TEST_P(SavingsGraphTest, ShowsTheValueAtTheEndOfEachYear)
{
    const SavingsCase& plan = GetParam();
    SharedValues values;
    SavingsInputs longer;
    longer.years = Money::fromWhole(30);
    GrowthEngine().calculate(longer).handOver(values);
    SavingsInputs inputs;
    inputs.frequency = plan.frequency;
    inputs.years = Money::fromWhole(plan.years);
    const SavingsResult result = GrowthEngine().calculate(inputs);
    result.handOver(values);
    values.graphSource = static_cast<std::int16_t>(GraphSource::Savings);

    const GraphSeries series = loadGraphSeries(values);
    EXPECT_EQ(series.title, "Investment value at end of each Year");
    ASSERT_EQ(series.points.size(), static_cast<std::size_t>(plan.years));
    for (int year = 1; year <= plan.years; ++year) {
        EXPECT_EQ(series.points[static_cast<std::size_t>(year - 1)].label, Money::fromWhole(year));
        EXPECT_EQ(series.points[static_cast<std::size_t>(year - 1)].value, result.yearEndValue(year));
    }
}

INSTANTIATE_TEST_SUITE_P(GraphSeries, SavingsGraphTest,
                         ::testing::Values(SavingsCase{"Annually25Years", SavingsFrequency::Annually, 25},
                                           SavingsCase{"Monthly3Years", SavingsFrequency::Monthly, 3},
                                           SavingsCase{"OneYear", SavingsFrequency::Quarterly, 1}),
                         [](const ::testing::TestParamInfo<SavingsCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace tallyvane

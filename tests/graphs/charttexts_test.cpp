// SPDX-License-Identifier: GPL-3.0-or-later
#include "graphs/charttexts.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct ScaleCase
{
    const char* name;
    std::vector<double> values;
    double low;
    double high;
    double step;
};

class ValueScaleTest : public ::testing::TestWithParam<ScaleCase>
{
};

TEST_P(ValueScaleTest, RunsInRoundStepsFromZeroPastTheHighestValue)
{
    const ScaleCase& c = GetParam();
    std::vector<GraphPoint> points;
    for (const double value : c.values)
        points.push_back({Money::fromWhole(1), Money::fromDouble(value)});
    const ValueScale scale = valueScaleFor(points);
    EXPECT_DOUBLE_EQ(scale.low, c.low);
    EXPECT_DOUBLE_EQ(scale.high, c.high);
    EXPECT_DOUBLE_EQ(scale.step, c.step);
}

INSTANTIATE_TEST_SUITE_P(ChartTexts, ValueScaleTest,
                         ::testing::Values(ScaleCase{"Principal", {100000, 98000.5, 0}, 0, 100000, 20000},
                                           ScaleCase{"QuarterSteps", {117000}, 0, 125000, 25000},
                                           ScaleCase{"SmallFigures", {3.5, 1}, 0, 4, 1},
                                           ScaleCase{"AllZero", {0, 0}, 0, 1, 1},
                                           ScaleCase{"Negative", {-300, 1000}, -500, 1000, 500}),
                         [](const ::testing::TestParamInfo<ScaleCase>& info) { return info.param.name; });

struct FitCase
{
    const char* name;
    double slot;
    PointLabelFit fit;
};

class PointLabelFitTest : public ::testing::TestWithParam<FitCase>
{
};

// Labels 20 wide and 15 high at full size: upright while they fit, then
// smaller, then turned, then turned and smaller.
TEST_P(PointLabelFitTest, TakesTheLargestFormThatFits)
{
    const FitCase& c = GetParam();
    const PointLabelFit fit = fitPointLabels(c.slot, 20.0, 15.0);
    EXPECT_DOUBLE_EQ(fit.scale, c.fit.scale);
    EXPECT_EQ(fit.turned, c.fit.turned);
}

INSTANTIATE_TEST_SUITE_P(ChartTexts, PointLabelFitTest,
                         ::testing::Values(FitCase{"Wide", 40, {1.0, false}},
                                           FitCase{"Smaller", 19, {0.85, false}},
                                           FitCase{"Turned", 16, {1.0, true}},
                                           FitCase{"TurnedSmaller", 13, {0.85, true}},
                                           FitCase{"TurnedSmallest", 4, {0.7, true}}),
                         [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST(ChartTexts, FiguresHaveTheCurrencySymbolAndThousandsSeparators)
{
    EXPECT_EQ(axisLabel(250000, "$"), "$250,000");
    EXPECT_EQ(axisLabel(0, "$"), "$0");
    EXPECT_EQ(axisLabel(-500, "kr"), "-kr500");
    const GraphPoint point{Money::fromWhole(7), *Money::fromDecimalText("81234.565")};
    EXPECT_EQ(pointLabel(point), "7");
    EXPECT_EQ(pointToolTip(point, "$"), "Year 7: $81,234.57");
}

} // namespace
} // namespace tallyvane

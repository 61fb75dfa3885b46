// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/placement.h"

#include <gtest/gtest.h>

using namespace tallyvane;

namespace {

struct MarkCase
{
    const char* name;
    int frameHeightTwips;
    std::int32_t mark;
};

class FrameHeightMarkTest : public ::testing::TestWithParam<MarkCase>
{
};

TEST_P(FrameHeightMarkTest, ChoosesSmallOrLargeLayout)
{
    EXPECT_EQ(frameHeightMarkFor(GetParam().frameHeightTwips), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(Heights, FrameHeightMarkTest,
                         ::testing::Values(MarkCase{"StartSize", 6870, SmallFrameMark},
                                           MarkCase{"ExactlyAtTheLimitIsSmall", 8500, SmallFrameMark},
                                           MarkCase{"JustAboveIsLarge", 8501, LargeFrameMark}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PositionCase
{
    const char* name;
    ChildKind kind;
    std::int32_t mark;
    QPoint position;
};

class ChildPositionTest : public ::testing::TestWithParam<PositionCase>
{
};

TEST_P(ChildPositionTest, PlacesByFrameSize)
{
    EXPECT_EQ(childPositionTwips(GetParam().kind, GetParam().mark), GetParam().position);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ChildPositionTest,
    ::testing::Values(
        PositionCase{"MenuInSmallFrame", ChildKind::Menu, SmallFrameMark, {-25, -15}},
        PositionCase{"PlannerInSmallFrame", ChildKind::Planner, SmallFrameMark, {-60, -30}},
        PositionCase{"MortgageInSmallFrame", ChildKind::MortgagePlanner, SmallFrameMark, {-40, -30}},
        PositionCase{"MenuInLargeFrame", ChildKind::Menu, LargeFrameMark, {1200, 1000}},
        PositionCase{"MortgageInLargeFrame", ChildKind::MortgagePlanner, LargeFrameMark, {1200, 1000}},
        PositionCase{"BeforeFirstResize", ChildKind::Planner, 0, {-60, -30}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TwipsTest, ConvertWithTheScreenResolution)
{
    EXPECT_EQ(twipsToPixels(1440, 96), 96);
    EXPECT_EQ(twipsToPixels(9615, 96), 641);
    EXPECT_EQ(twipsToPixels(-60, 96), -4);
    EXPECT_EQ(pixelsToTwips(458, 96), 6870);
    EXPECT_EQ(pixelsToTwips(10, 0), 0);
}

} // namespace

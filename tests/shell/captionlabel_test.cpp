// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/captionlabel.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace {

struct CaptionCase
{
    const char* name;
    const char* caption;
    QStringList lines;
};

class CaptionLinesTest : public ::testing::TestWithParam<CaptionCase>
{
};

TEST_P(CaptionLinesTest, RunsOfBlanksStartNewLines)
{
    EXPECT_EQ(tallyvane::captionLines(QString::fromLatin1(GetParam().caption)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    CaptionLabel, CaptionLinesTest,
    ::testing::Values(
        CaptionCase{"OneLine", " Annual interest rate %", {"Annual interest rate %"}},
        CaptionCase{"WideGap", " Days          in year.", {"Days", "in year."}},
        CaptionCase{"TwoBlanks", " No. of years to  final payment.", {"No. of years to", "final payment."}},
        CaptionCase{"Percentage", " P+I includes    100.000%", {"P+I includes", "100.000%"}},
        CaptionCase{
            "TrailingBlank", " Change interest rate factor - days ", {"Change interest rate factor - days"}},
        CaptionCase{"Empty", "", {}}),
    [](const ::testing::TestParamInfo<CaptionCase>& info) { return std::string(info.param.name); });

} // namespace

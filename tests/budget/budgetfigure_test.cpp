// SPDX-License-Identifier: GPL-3.0-or-later
#include "budget/budgetfigure.h"
#include "budget/sortorder.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct FigureCase
{
    const char* name;
    const char* annual;
    const char* periodText;
    int width;
    const char* prefix;
    const char* shown;
};

class BudgetFigureTest : public testing::TestWithParam<FigureCase>
{
};

TEST_P(BudgetFigureTest, ShowsTheAnnualFigureForThePeriod)
{
    const FigureCase& c = GetParam();
    const DisplayPeriod* period = findDisplayPeriod(QString::fromLatin1(c.periodText));
    ASSERT_NE(period, nullptr);
    const double figure = periodFigure(*Money::fromDecimalText(c.annual), *period);
    EXPECT_EQ(formatFigure(figure, c.width, QString::fromUtf8(c.prefix)), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, BudgetFigureTest,
    testing::Values(FigureCase{"Monthly", "12000", "     Monthly", 10, "", "  1,000.00"},
                    FigureCase{"WeeklyRoundsToCents", "12000", "      Weekly", 10, "", "    230.77"},
                    FigureCase{"SemiMonthly", "1000", " Semi-monthly", 10, "", "     41.67"},
                    FigureCase{"SemiAnnual", "1", " Semi-annual", 10, "", "       .50"},
                    FigureCase{"HalfCentGoesUp", "6.5", "      Weekly", 10, "", "       .13"},
                    // Exact half cents of every period round one way.
                    FigureCase{"WeeklyExactHalf", "43690.14", "      Weekly", 10, "", "    840.20"},
                    FigureCase{"TwoWeeksExactHalf", "2600.13", "     2 Weeks", 10, "", "    100.01"},
                    FigureCase{"SemiMonthlyExactHalf", "2400.12", " Semi-monthly", 10, "", "    100.01"},
                    FigureCase{"MonthlyExactHalf", "1200.06", "     Monthly", 10, "", "    100.01"},
                    FigureCase{"QuarterlyExactHalf", "1500.5", "   Quarterly", 10, "", "    375.13"},
                    FigureCase{"SemiAnnualExactHalf", "200.01", " Semi-annual", 10, "", "    100.01"},
                    FigureCase{"AnnualExactHalf", "100.005", "      Annual", 10, "", "    100.01"},
                    FigureCase{"NegativeExactHalf", "-43690.14", "      Weekly", 10, "", "   -840.20"},
                    FigureCase{"HalfCentJustBelowInBinary", "7.54", "      Weekly", 10, "", "       .15"},
                    FigureCase{"ZeroHasNoLeadingDigit", "0", "      Annual", 12, "$", "        $.00"},
                    FigureCase{"NegativeBalance", "-1234.5", "      Annual", 12, "$", "  $-1,234.50"},
                    FigureCase{"TooWideIsNotCut", "123456789", "      Annual", 10, "", "123,456,789.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BudgetFigureTest, PeriodsAreFoundByTheirExactListText)
{
    EXPECT_EQ(findDisplayPeriod(QStringLiteral("     Monthly"))->netBalanceLabel(), "Monthly Net Balance");
    EXPECT_EQ(findDisplayPeriod(QStringLiteral("Monthly")), nullptr);
    EXPECT_EQ(sortOrderFromListText(QStringLiteral("Names A - Z")), std::nullopt);
}

} // namespace
} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "printers.h"

#include "core/messages.h"
#include "core/numberformat.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/comparisonprintout.h"
#include "mortgage/mortgageprintout.h"
#include "mortgage/offercomparison.h"
#include "mortgage/payoffgoal.h"
#include "reportpages.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

const Money Cent = Money::fromRaw(100);

int finalYearWith(const AmortizationInput& input, Money yearly)
{
    return finalPaymentYear(AmortizationEngine().calculate(withYearlyAdditional(input, yearly)).summary);
}

struct GoalCase
{
    const char* name;
    AmortizationInput input;
    int year;
};

class PayoffGoalTest : public ::testing::TestWithParam<GoalCase>
{
};

// The amount found is the smallest whole-cent amount that reaches the year:
// one cent less does not.
TEST_P(PayoffGoalTest, FindsTheSmallestYearlyAmountThatReachesTheYear)
{
    const GoalCase& goalCase = GetParam();
    ASSERT_GT(finalYearWith(goalCase.input, Money()), goalCase.year);
    const PayoffGoal goal = findPayoffGoal(goalCase.input, goalCase.year);
    ASSERT_TRUE(goal.reached);
    EXPECT_EQ(goal.yearlyAdditional.raw() % Cent.raw(), 0);
    EXPECT_LE(finalYearWith(goalCase.input, goal.yearlyAdditional), goalCase.year);
    EXPECT_GT(finalYearWith(goalCase.input, goal.yearlyAdditional - Cent), goalCase.year);
    const AmortizationSummary applied =
        AmortizationEngine().calculate(withYearlyAdditional(goalCase.input, goal.yearlyAdditional)).summary;
    EXPECT_EQ(goal.summary.yearsToFinal, applied.yearsToFinal);
    EXPECT_EQ(goal.summary.interestSavings, applied.interestSavings);
    // Nor does any smaller amount: a larger amount may end the loan later
    // than a smaller one, so the cent below is not proof enough.
    for (int step = 1; step < 200; ++step) {
        const Money smaller = Money::fromRaw(goal.yearlyAdditional.raw() * step / 200 / 100 * 100);
        ASSERT_GT(finalYearWith(goalCase.input, smaller), goalCase.year) << smaller.toDouble();
    }
}

AmortizationInput biweeklyAccelerated()
{
    AmortizationInput input = test::openingMortgage();
    input.paymentKind = PaymentKind::BiweeklyAccelerated;
    return input;
}

INSTANTIATE_TEST_SUITE_P(Goals, PayoffGoalTest,
                         ::testing::Values(GoalCase{"Mortgage25YearsByYear15", test::openingMortgage(), 15},
                                           GoalCase{"Loan48MonthsByYear3", test::personalLoan("20000", 48),
                                                    3},
                                           GoalCase{"BiweeklyAcceleratedByYear12", biweeklyAccelerated(), 12},
                                           GoalCase{"MortgageInTheFirstYear", test::openingMortgage(), 1},
                                           GoalCase{"MortgageByYear3", test::openingMortgage(), 3},
                                           GoalCase{"MortgageByYear5", test::openingMortgage(), 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PayoffGoal, NeedsNothingWhenTheLoanEndsInTimeAndRefusesYearZero)
{
    const PayoffGoal met = findPayoffGoal(test::openingMortgage(), 25);
    EXPECT_TRUE(met.reached);
    EXPECT_EQ(met.yearlyAdditional, Money());

    const PayoffGoal refused = findPayoffGoal(test::openingMortgage(), 0);
    EXPECT_FALSE(refused.reached);
    EXPECT_EQ(refused.nearestYear, 1);
    EXPECT_EQ(
        payoffGoalText(refused, LoanKind::Mortgage, "$"),
        "No additional payment makes the final payment fall in year 0; the nearest year within reach is 1.");
}

// The 25-year mortgage against the same loan over 20 years.
OfferComparison twentyAgainstTwentyFive()
{
    AmortizationInput shorter = test::openingMortgage();
    shorter.termYears = Money::fromWhole(20);
    const AmortizationInput longer = test::openingMortgage();
    return {.a = comparedOffer(longer, AmortizationEngine().calculate(longer)),
            .b = comparedOffer(shorter, AmortizationEngine().calculate(shorter)),
            .shownAs = LoanKind::Mortgage};
}

TEST(OfferComparison, TotalsAreThoseOfTheSingleCalculations)
{
    const OfferComparison comparison = twentyAgainstTwentyFive();
    const AmortizationResult longer = AmortizationEngine().calculate(comparison.a.input);
    const AmortizationResult shorter = AmortizationEngine().calculate(comparison.b.input);
    const ComparisonTexts texts = comparisonTexts(comparison, "$");
    ASSERT_EQ(texts.figures.size(), 7u);
    EXPECT_EQ(texts.figures[0].a, "$917.53");
    EXPECT_EQ(texts.figures[2].difference, "-60");
    EXPECT_EQ(texts.figures[3].difference, "-5.00");
    const ComparedFigure& totalPaid = texts.figures[4];
    EXPECT_EQ(totalPaid.a, "$275,258.20");
    EXPECT_EQ(comparison.a.summary.totalPaid, longer.summary.totalPaid);
    EXPECT_EQ(comparison.b.summary.totalPaid, shorter.summary.totalPaid);
    EXPECT_EQ(comparison.b.totalInterest, shorter.summary.totalPaid - Money::fromWhole(100000));
    const Money saved = longer.summary.totalPaid - shorter.summary.totalPaid;
    EXPECT_EQ(totalPaid.difference, "-$" + formatMoney(saved, u"####,,###.00"));
    EXPECT_EQ(texts.verdict, "B costs $" + formatMoney(saved, u"####,,###.00") + " less");
}

TEST(OfferComparison, PrintsItsPageAfterTheSchedule)
{
    const OfferComparison comparison = twentyAgainstTwentyFive();
    const AmortizationResult result = AmortizationEngine().calculate(comparison.b.input);
    const PrintoutSettings settings{.header = "Offers"};
    const QList<QStringList> alone = pagesOf(mortgagePrintout(comparison.b.input, result, settings));
    const QList<QStringList> pages =
        pagesOf(mortgagePrintout(comparison.b.input, result, settings, comparison));
    ASSERT_EQ(pages.size(), alone.size() + 1);
    EXPECT_TRUE(pages[alone.size() - 1].last().contains(QStringLiteral("Page %1").arg(alone.size())));
    const QStringList& page = pages.last();
    EXPECT_EQ(page[1], "                                Comparison of Two Offers");
    EXPECT_TRUE(page.contains(" " + comparisonTexts(comparison, "$").verdict));
    EXPECT_EQ(pagesOf(comparisonPrintout(comparison, settings)).size(), 1);
}

} // namespace
} // namespace tallyvane

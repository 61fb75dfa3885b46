// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "printers.h"

#include "mortgage/amortizationdisplay.h"
#include "mortgage/amortizationengine.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

TEST(AmortizationChoices, ListTextsKeepTheirBlanksAndReadBack)
{
    const QStringList compoundings{"      Monthly", "    Bimonthly", "    Quarterly", "   Semiannual",
                                   "       Annual"};
    const QStringList kinds{"      Monthly", "  Semimonthly",  "      2 Weeks",
                            "      1 Week",  " Biweekly(Acc)", "   Weekly(Acc)"};
    EXPECT_EQ(compoundingListTexts(), compoundings);
    EXPECT_EQ(paymentKindListTexts(), kinds);
    EXPECT_EQ(daysInYearCaptions(), QStringList({"365.25", "365", "364", "363"}));
    EXPECT_EQ(compoundingFromListText("   Semiannual"), Compounding::Semiannual);
    EXPECT_EQ(paymentKindFromListText(" Biweekly(Acc)"), PaymentKind::BiweeklyAccelerated);
    EXPECT_FALSE(compoundingFromListText("Semiannual").has_value());
    EXPECT_FALSE(paymentKindFromListText("1 Week").has_value());
}

struct SummaryCase
{
    const char* name;
    AmortizationInput input;
    SummaryTexts expected;
};

AmortizationInput millionLoan()
{
    AmortizationInput input = test::personalLoan("2500000", 480);
    input.view = AmortizationView::AnnualTotals;
    return input;
}

AmortizationInput increasedBiweekly()
{
    AmortizationInput input = test::openingMortgage();
    input.paymentKind = PaymentKind::BiweeklyAccelerated;
    input.daysInYearChoice = 0;
    input.paymentIncrease = 0.025f;
    return input;
}

class SummaryLabels : public testing::TestWithParam<SummaryCase>
{
};

TEST_P(SummaryLabels, ShowTheFiguresAsTheWindowDoes)
{
    const SummaryCase& c = GetParam();
    const SummaryTexts texts =
        summaryTexts(AmortizationEngine().calculate(c.input), c.input.paymentIncrease, QStringLiteral("$"));
    EXPECT_EQ(texts.paymentsPerYear, c.expected.paymentsPerYear);
    EXPECT_EQ(texts.daysInYear, c.expected.daysInYear);
    EXPECT_EQ(texts.periodicRate, c.expected.periodicRate);
    EXPECT_EQ(texts.payment, c.expected.payment);
    EXPECT_EQ(texts.increaseCaption, c.expected.increaseCaption);
    EXPECT_EQ(texts.increaseAmount, c.expected.increaseAmount);
    EXPECT_EQ(texts.timeToFinal, c.expected.timeToFinal);
    EXPECT_EQ(texts.totalPaid, c.expected.totalPaid);
    EXPECT_EQ(texts.interestSavings, c.expected.interestSavings);
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, SummaryLabels,
    testing::Values(
        SummaryCase{"Mortgage",
                    test::openingMortgage(),
                    {"          12", "Normal", "0.0084375", "     $917.53", " P+I includes      0.000%",
                     "        $.00", "       25.00", " $275,258.20", "        $.00"}},
        SummaryCase{"LoanInMonths",
                    test::personalLoan("20000", 50),
                    {"          12", "Normal", "0.0084375", "     $491.95", " P+I includes      0.000%",
                     "        $.00", "       50.00", "  $24,597.57", "        $.00"}},
        SummaryCase{"IncreasedBiweekly",
                    increasedBiweekly(),
                    {"          26", "365.25", "0.0038721", "     $470.23", " P+I includes      2.500%",
                     "      $11.47", "       17.27", " $211,000.52", "  $64,257.68"}},
        // Amounts wider than a label are shown whole, not cut.
        SummaryCase{"MillionsAreNotCut",
                    millionLoan(),
                    {"          12", "Normal", "0.0084375", "  $21,474.29", " P+I includes      0.000%",
                     "        $.00", "      480.00", "$10,307,661.21", "        $.00"}}),
    [](const testing::TestParamInfo<SummaryCase>& info) { return info.param.name; });

TEST(ScheduleCells, FirstColumnFollowsTheView)
{
    ScheduleRow row;
    row.number = 13;
    row.year = 2;
    EXPECT_EQ(firstCellText(row, AmortizationView::AllPayments), "  13       2");
    row.year.reset();
    EXPECT_EQ(firstCellText(row, AmortizationView::AnnualTotals), "  13");

    EXPECT_EQ(firstColumnHeading(AmortizationView::AllPayments, false), "  Payment   No.  Year");
    EXPECT_EQ(firstColumnHeading(AmortizationView::AllPayments, true), " Payment  Date");
    EXPECT_EQ(firstColumnHeading(AmortizationView::AnnualTotals, true), " Payment  Year");
    EXPECT_EQ(amountColumnHeadings().size(), 5);
}

} // namespace
} // namespace tallyvane

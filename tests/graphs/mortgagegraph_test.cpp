// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "core/sharedvalues.h"
#include "graphs/graphseries.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/amortizationhandover.h"
#include "mortgage/resulttablelayout.h"
#include "printers.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct LoanCase
{
    const char* name;
    AmortizationInput input;
    int years; // points on the chart: the principal, then each year-end but the last
};

AmortizationInput withPayments(AmortizationInput input, PaymentKind kind)
{
    input.paymentKind = kind;
    return input;
}

GraphSeries graphed(AmortizationInput input, AmortizationView view, SharedValues& values)
{
    input.view = view;
    const AmortizationResult result = AmortizationEngine().calculate(input);
    handOverResults(input, result, values);
    values.graphSource = static_cast<std::int16_t>(GraphSource::Mortgage);
    return loadGraphSeries(values);
}

class MortgageGraphTest : public ::testing::TestWithParam<LoanCase>
{
};

// Every payment listed or one line per year, the chart shows the balance at
// the start of each year: the principal, then the balance after each year's
// last payment.
TEST_P(MortgageGraphTest, ShowsTheBalanceAtTheStartOfEachYearInBothViews)
{
    const LoanCase& loan = GetParam();
    SharedValues values;
    const GraphSeries annual = graphed(loan.input, AmortizationView::AnnualTotals, values);
    EXPECT_EQ(values.graphPointCount, loan.years);
    const GraphSeries payments = graphed(loan.input, AmortizationView::AllPayments, values);
    EXPECT_EQ(values.graphPointCount, loan.years);
    EXPECT_EQ(payments.title, values.graphTitle);

    const int perYear = paymentsPerYear(loan.input.paymentKind);
    ASSERT_EQ(payments.points.size(), static_cast<std::size_t>(loan.years));
    ASSERT_EQ(annual.points.size(), payments.points.size());
    for (int point = 1; point <= loan.years; ++point) {
        const GraphPoint& shown = payments.points[static_cast<std::size_t>(point - 1)];
        const Money expected =
            point == 1 ? loan.input.principal : values.resultTable.at((point - 1) * perYear, BalanceColumn);
        EXPECT_EQ(shown.label, Money::fromWhole(point));
        EXPECT_EQ(shown.value, expected) << "point " << point;
        EXPECT_EQ(annual.points[static_cast<std::size_t>(point - 1)].value, expected) << "point " << point;
    }
}

INSTANTIATE_TEST_SUITE_P(
    GraphSeries, MortgageGraphTest,
    ::testing::Values(LoanCase{"Mortgage25Years", test::openingMortgage(), 25},
                      // Paid off after 18.54 years: year 19 starts with a balance.
                      LoanCase{"BiweeklyAccelerated",
                               withPayments(test::openingMortgage(), PaymentKind::BiweeklyAccelerated), 19},
                      LoanCase{"Loan48Months", test::personalLoan("20000", 48), 4},
                      LoanCase{"Loan13Months", test::personalLoan("5000", 13), 2},
                      // Under a year: the principal alone.
                      LoanCase{"Loan5Months", test::personalLoan("2000", 5), 1}),
    [](const ::testing::TestParamInfo<LoanCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "printers.h"

#include "mortgage/amortizationengine.h"
#include "mortgage/resulttablelayout.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

using test::money;
using test::openingMortgage;

const AmortizationResult& plainMortgage()
{
    static const AmortizationResult result = AmortizationEngine().calculate(openingMortgage());
    return result;
}

struct ExtraCase
{
    const char* name;
    std::vector<std::pair<int, const char*>> amounts; // year, amount
    std::vector<int> appliedYears;
    const char* listing;
};

class AdditionalPayment : public testing::TestWithParam<ExtraCase>
{
};

TEST_P(AdditionalPayment, IsAddedToTheFirstPrincipalOfItsYear)
{
    const ExtraCase& c = GetParam();
    AmortizationInput input = openingMortgage();
    for (const auto& [year, amount] : c.amounts)
        input.additionalPayments.setAmount(year, money(amount));
    const AmortizationResult result = AmortizationEngine().calculate(input);
    const AmortizationResult& plain = plainMortgage();

    EXPECT_EQ(result.summary.additionalApplied, static_cast<std::int16_t>(c.appliedYears.size()));
    EXPECT_EQ(result.summary.additionalListing, QString::fromLatin1(c.listing));
    ASSERT_EQ(result.listedAdditionalPayments.size(), c.appliedYears.size());
    for (std::size_t i = 0; i < c.appliedYears.size(); ++i)
        EXPECT_EQ(result.listedAdditionalPayments[i].year, c.appliedYears[i]);

    // A skipped year leaves its first principal unrounded, so the schedule
    // may differ from the plain one in the fourth decimal.
    if (c.appliedYears.empty()) {
        EXPECT_EQ(result.summary.lastRow, plain.summary.lastRow);
        EXPECT_NEAR(result.summary.totalPaid.toDouble(), plain.summary.totalPaid.toDouble(), 0.005);
        return;
    }
    // Up to the first extra the schedule is the plain one; that payment's
    // principal carries the extra on top of its regular share.
    const int firstRow = (c.appliedYears.front() - 1) * 12 + 1;
    const Money extra = input.additionalPayments.amount(c.appliedYears.front());
    if (firstRow > 1) {
        EXPECT_NEAR(result.resultTable.at(firstRow - 1, BalanceColumn).toDouble(),
                    plain.resultTable.at(firstRow - 1, BalanceColumn).toDouble(), 0.005);
    }
    EXPECT_NEAR(result.resultTable.at(firstRow, InterestColumn).toDouble(),
                plain.resultTable.at(firstRow, InterestColumn).toDouble(), 0.0001);
    EXPECT_NEAR(result.resultTable.at(firstRow, PrincipalColumn).toDouble(),
                (plain.resultTable.at(firstRow, PrincipalColumn) + extra).toDouble(), 0.005);
    EXPECT_LT(result.summary.lastRow, plain.summary.lastRow);
    EXPECT_LT(result.summary.totalPaid, plain.summary.totalPaid);
    EXPECT_GT(result.summary.interestSavings, Money());
    EXPECT_EQ(result.resultTable.at(result.summary.lastRow, BalanceColumn), Money());
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, AdditionalPayment,
    testing::Values(
        ExtraCase{"NoneEntered", {}, {}, ""},
        ExtraCase{"FirstYear",
                  {{1, "2500"}},
                  {1},
                  "Additional  Payments     Applied\r\n\r\n Year     1              2,500.00\r\n"},
        ExtraCase{"TwoYears",
                  {{3, "5000"}, {10, "12345.67"}},
                  {3, 10},
                  "Additional  Payments     Applied\r\n\r\n"
                  " Year     3              5,000.00\r\n Year    10             12,345.67\r\n"},
        // At the start of year 2 the balance is about 99,090 and the previous
        // principal about 84, so 99,000 does not fit and is skipped.
        ExtraCase{"TooLargeIsSkipped", {{2, "99000"}}, {}, "Additional  Payments     Applied\r\n\r\n"},
        // A skipped year is not listed, though a later one was made.
        ExtraCase{"OnlyMadePaymentsAreListed",
                  {{2, "99000"}, {4, "1000"}},
                  {4},
                  "Additional  Payments     Applied\r\n\r\n Year     4              1,000.00\r\n"}),
    [](const testing::TestParamInfo<ExtraCase>& info) { return info.param.name; });

TEST(AdditionalPayment, YearsAfterThePayoffAreNotMade)
{
    AmortizationInput input = openingMortgage();
    input.additionalPayments.setAmount(1, money("60000"));
    input.additionalPayments.setAmount(30, money("100"));
    const AmortizationResult result = AmortizationEngine().calculate(input);
    EXPECT_EQ(result.summary.additionalApplied, 1);
    EXPECT_LT(result.summary.lastRow, 12 * 25);
}

TEST(PaymentIncrease, RaisesEveryPaymentByItsShare)
{
    AmortizationInput input = openingMortgage();
    input.paymentIncrease = 0.05f;
    const AmortizationResult result = AmortizationEngine().calculate(input);
    const double plainPayment = plainMortgage().summary.payment;
    EXPECT_NEAR(result.summary.payment, plainPayment * 1.05, 1e-4);
    EXPECT_NEAR(result.summary.increaseAmount, plainPayment * 0.05, 1e-4);
    EXPECT_NEAR(result.resultTable.at(1, PrincipalColumn).toDouble(),
                result.summary.payment - result.resultTable.at(1, InterestColumn).toDouble(), 0.0001);
    EXPECT_LT(result.summary.lastRow, 300);
    EXPECT_EQ(result.resultTable.at(result.summary.lastRow, BalanceColumn), Money());
    EXPECT_GT(result.summary.interestSavings, money("10"));
    EXPECT_TRUE(result.summary.additionalListing.isEmpty());
}

} // namespace
} // namespace tallyvane

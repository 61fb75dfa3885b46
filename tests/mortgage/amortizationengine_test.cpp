// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "printers.h"

#include "core/messages.h"
#include "core/moneyrounding.h"
#include "core/numberformat.h"
#include "core/sharedvalues.h"
#include "mortgage/amortizationengine.h"
#include "mortgage/amortizationhandover.h"
#include "mortgage/resulttablelayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tallyvane {
namespace {

using test::money;
using test::openingMortgage;
using test::personalLoan;

QString twoDecimals(double value)
{
    return formatNumber(value, u"###,,##0.00");
}
QString twoDecimals(Money value)
{
    return formatMoney(value, u"###,,##0.00");
}

struct ReferenceCase
{
    const char* name;
    AmortizationInput input;
    const char* periodicRate;
    const char* payment;
    int lastRow;
    const char* timeToFinal;  // years, or months for a loan
    const char* lastInterest; // stored, four decimals
    const char* lastPrincipal;
    const char* totalPaid;
    const char* savings;
};

AmortizationInput withCompounding(Compounding compounding)
{
    AmortizationInput input = openingMortgage();
    input.compounding = compounding;
    return input;
}

AmortizationInput withPaymentKind(PaymentKind kind)
{
    AmortizationInput input = openingMortgage();
    input.paymentKind = kind;
    return input;
}

AmortizationInput annualView(AmortizationInput input)
{
    input.view = AmortizationView::AnnualTotals;
    return input;
}

class ReferenceSchedule : public testing::TestWithParam<ReferenceCase>
{
};

TEST_P(ReferenceSchedule, MatchesKnownFigures)
{
    const ReferenceCase& c = GetParam();
    const AmortizationResult result = AmortizationEngine().calculate(c.input);
    const AmortizationSummary& summary = result.summary;
    const double timeToFinal =
        c.input.loanKind == LoanKind::Mortgage ? summary.yearsToFinal : summary.monthsToFinal();

    EXPECT_EQ(formatNumber(summary.periodicRate, u"0.########"), c.periodicRate);
    EXPECT_EQ(twoDecimals(summary.payment), c.payment);
    EXPECT_EQ(summary.lastRow, c.lastRow);
    EXPECT_EQ(twoDecimals(timeToFinal), c.timeToFinal);
    EXPECT_EQ(result.resultTable.at(c.lastRow, InterestColumn).toFourDecimals(), c.lastInterest);
    EXPECT_EQ(result.resultTable.at(c.lastRow, PrincipalColumn).toFourDecimals(), c.lastPrincipal);
    EXPECT_EQ(twoDecimals(summary.totalPaid), c.totalPaid);
    EXPECT_EQ(twoDecimals(summary.interestSavings), c.savings);
    EXPECT_EQ(result.resultTable.at(c.lastRow, BalanceColumn), Money());
    EXPECT_EQ(result.resultTable.at(c.lastRow, CumulativePrincipalColumn), c.input.principal);
}

// The quick rounding into money stores every cell as the exact way would.
TEST_P(ReferenceSchedule, EveryCellIsRoundedAsExactly)
{
    const AmortizationResult quick = AmortizationEngine().calculate(GetParam().input);
    const ExactMoneyRounding exactOnly;
    const AmortizationResult exact = AmortizationEngine().calculate(GetParam().input);
    EXPECT_TRUE(quick.resultTable == exact.resultTable);
    EXPECT_TRUE(quick.annualTable == exact.annualTable);
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, ReferenceSchedule,
    testing::Values(ReferenceCase{"MonthlyMortgage", openingMortgage(), "0.0084375", "917.53", 300, "25.00",
                                  "7.6769", "909.8511", "275,258.20", "0.00"},
                    ReferenceCase{"SemiannualCompounding", withCompounding(Compounding::Semiannual),
                                  "0.00826484", "902.91", 300, "25.00", "7.4013", "895.5116", "270,873.89",
                                  "0.00"},
                    ReferenceCase{"BiweeklyAccelerated", withPaymentKind(PaymentKind::BiweeklyAccelerated),
                                  "0.00387476", "458.76", 482, "18.54", "0.7568", "195.3250", "220,861.40",
                                  "54,396.79"},
                    ReferenceCase{"AnnualViewOfMortgage", annualView(openingMortgage()), "0.0084375",
                                  "917.53", 25, "25.00", "580.8037", "10429.5247", "275,258.20", "0.00"},
                    ReferenceCase{"FourYearLoan", personalLoan("20000", 48), "0.0084375", "508.45", 48,
                                  "48.00", "4.2542", "504.1989", "24,405.75", "0.00"},
                    ReferenceCase{"FiftyMonthLoan", personalLoan("20000", 50), "0.0084375", "491.95", 50,
                                  "50.00", "4.1177", "488.0256", "24,597.57", "0.00"}),
    [](const testing::TestParamInfo<ReferenceCase>& info) { return info.param.name; });

struct CrossCheckCase
{
    const char* name;
    const char* principal;
    const char* ratePercent;
    int years;
    Compounding compounding;
    double monthlyRate; // worked out independently of the engine
};

class MonthlyCrossCheck : public testing::TestWithParam<CrossCheckCase>
{
};

TEST_P(MonthlyCrossCheck, AgreesWithTheAnnuityFormula)
{
    const CrossCheckCase& c = GetParam();
    AmortizationInput input = openingMortgage();
    input.principal = money(c.principal);
    input.annualRatePercent = money(c.ratePercent);
    input.termYears = Money::fromWhole(c.years);
    input.compounding = c.compounding;
    const AmortizationResult result = AmortizationEngine().calculate(input);

    const int payments = 12 * c.years;
    const double principal = input.principal.toDouble();
    const double annuity = principal * c.monthlyRate / (1.0 - std::pow(1.0 + c.monthlyRate, -payments));
    EXPECT_NEAR(result.summary.payment, annuity, 1e-9 * annuity);
    ASSERT_EQ(result.summary.lastRow, payments);

    Money interestColumn;
    for (int row = 1; row <= payments; ++row)
        interestColumn += result.resultTable.at(row, InterestColumn);
    const double totalInterest = result.resultTable.at(payments, CumulativeInterestColumn).toDouble();
    EXPECT_NEAR(totalInterest, interestColumn.toDouble(), 0.01);
    EXPECT_NEAR(totalInterest, annuity * payments - principal, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, MonthlyCrossCheck,
    testing::Values(CrossCheckCase{"Opening", "100000", "10.125", 25, Compounding::Monthly, 0.10125 / 12},
                    CrossCheckCase{"LowRateLongTerm", "350000", "3.5", 40, Compounding::Monthly, 0.035 / 12},
                    CrossCheckCase{"HighRateShortTerm", "8000", "19.9", 3, Compounding::Monthly, 0.199 / 12},
                    CrossCheckCase{"Semiannual", "250000", "6", 30, Compounding::Semiannual,
                                   std::pow(1.03, 1.0 / 6.0) - 1.0},
                    // Quarterly means four compoundings a year.
                    CrossCheckCase{"Quarterly", "75000", "8", 15, Compounding::Quarterly,
                                   std::pow(1.02, 1.0 / 3.0) - 1.0},
                    CrossCheckCase{"Annual", "120000", "7.25", 20, Compounding::Annual,
                                   std::pow(1.0725, 1.0 / 12.0) - 1.0}),
    [](const testing::TestParamInfo<CrossCheckCase>& info) { return info.param.name; });

struct FailureCase
{
    const char* name;
    AmortizationInput input;
    std::int16_t messageNumber;
};

template <typename Change> AmortizationInput changed(Change change)
{
    AmortizationInput input = openingMortgage();
    change(input);
    return input;
}

class FailedCalculation : public testing::TestWithParam<FailureCase>
{
};

TEST_P(FailedCalculation, ReportsTheMessage)
{
    try {
        AmortizationEngine().calculate(GetParam().input);
        FAIL() << "the calculation should have failed";
    } catch (const PlannerError& error) {
        EXPECT_EQ(error.messageNumber(), GetParam().messageNumber);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, FailedCalculation,
    testing::Values(
        FailureCase{"FortyOneYears", changed([](auto& in) { in.termYears = Money::fromWhole(41); }),
                    Message::FortyYearsLimit},
        FailureCase{"ZeroRate", changed([](auto& in) { in.annualRatePercent = Money(); }),
                    Message::WrongOrMissingEntry},
        FailureCase{"ZeroTerm", changed([](auto& in) { in.termYears = Money(); }),
                    Message::WrongOrMissingEntry},
        FailureCase{"NegativePrincipal", changed([](auto& in) { in.principal = money("-5000"); }),
                    Message::WrongOrMissingEntry},
        FailureCase{"NegativeRate", changed([](auto& in) { in.annualRatePercent = money("-2"); }),
                    Message::WrongOrMissingEntry},
        FailureCase{"UnknownDaysChoice", changed([](auto& in) { in.daysInYearChoice = 4; }),
                    Message::WrongOrMissingEntry},
        FailureCase{"UnreadableFirstDate", changed([](auto& in) { in.firstPaymentDate = QDate(); }),
                    Message::WrongOrMissingEntry},
        FailureCase{"PrincipalBeyondMoney", changed([](auto& in) { in.principal = Money::max(); }),
                    Message::WrongOrMissingEntry},
        // 2,400 monthly rows do not fit the 2,101-row table.
        FailureCase{"LoanLongerThanTheTable", personalLoan("20000", 2400), Message::WrongOrMissingEntry}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(AmortizationLimits, FortyYearsIsTheLongestMortgage)
{
    AmortizationInput input = openingMortgage();
    input.termYears = Money::fromWhole(40);
    EXPECT_EQ(AmortizationEngine().calculate(input).summary.lastRow, 480);
}

TEST(AmortizationLimits, LongestWeeklyScheduleFitsTheTable)
{
    AmortizationInput input = openingMortgage();
    input.termYears = Money::fromWhole(40);
    input.annualRatePercent = money("1");
    input.paymentKind = PaymentKind::OneWeek;
    input.daysInYearChoice = 3;
    input.firstPaymentDate = QDate(2024, 1, 5);
    const AmortizationResult result = AmortizationEngine().calculate(input);
    EXPECT_GT(result.summary.lastRow, 2080);
    EXPECT_LT(result.summary.lastRow, ResultTableRows);
}

TEST(AmortizationDaysInYear, OnlyWeeklyBasedPaymentsDependOnIt)
{
    const AmortizationResult standardMonthly = AmortizationEngine().calculate(openingMortgage());
    std::vector<double> twoWeekRates;
    for (std::int16_t choice = 0; choice < DaysInYearChoiceCount; ++choice) {
        AmortizationInput input = openingMortgage();
        input.daysInYearChoice = choice;
        const AmortizationResult monthly = AmortizationEngine().calculate(input);
        EXPECT_EQ(monthly.summary.daysShown, "Normal");
        EXPECT_EQ(monthly.summary.periodicRate, standardMonthly.summary.periodicRate);
        EXPECT_EQ(monthly.summary.totalPaid, standardMonthly.summary.totalPaid);

        input.paymentKind = PaymentKind::TwoWeeks;
        const AmortizationResult twoWeeks = AmortizationEngine().calculate(input);
        EXPECT_EQ(twoWeeks.summary.daysShown, daysInYearCaptions()[choice]);
        twoWeekRates.push_back(twoWeeks.summary.periodicRate);
    }
    // 364 days make exactly 26 rate periods; more days mean more, smaller periods.
    EXPECT_DOUBLE_EQ(twoWeekRates[2], std::pow(1.0 + 0.10125 / 12, 12.0 / 26.0) - 1.0);
    EXPECT_LT(twoWeekRates[0], twoWeekRates[1]);
    EXPECT_LT(twoWeekRates[1], twoWeekRates[2]);
    EXPECT_LT(twoWeekRates[2], twoWeekRates[3]);
}

TEST(AmortizationFinalPayment, SmallResidueIsFoldedIntoTheLastPrincipal)
{
    // Fifty months kept as 4.1667 years leave about 0.20 unpaid after 50 payments.
    const AmortizationResult result = AmortizationEngine().calculate(personalLoan("20000", 50));
    const MoneyTable& table = result.resultTable;
    EXPECT_EQ(table.at(50, PrincipalColumn), table.at(49, BalanceColumn));
    EXPECT_EQ(table.at(50, BalanceColumn), Money());
    EXPECT_EQ(table.at(50, CumulativeInterestColumn),
              table.at(49, CumulativeInterestColumn) + table.at(50, InterestColumn));
    EXPECT_EQ(table.at(50, CumulativePrincipalColumn), money("20000"));
    EXPECT_GT(table.at(50, PrincipalColumn) - table.at(49, PrincipalColumn), money("0.19"));
}

TEST(AmortizationFinalPayment, ResidueOfSixOrMoreIsLeftInTheBalance)
{
    // The same loan fifty times larger leaves about 9.80.
    const AmortizationResult result = AmortizationEngine().calculate(personalLoan("1000000", 50));
    const MoneyTable& table = result.resultTable;
    const Money residue = table.at(50, BalanceColumn);
    EXPECT_GE(residue, money("6"));
    EXPECT_LT(residue, money("10"));
    EXPECT_EQ(table.at(50, BalanceColumn), table.at(49, BalanceColumn) - table.at(50, PrincipalColumn));
    EXPECT_EQ(table.at(50, CumulativePrincipalColumn) + residue, money("1000000"));
}

TEST(AmortizationFinalPayment, OnePaymentLoanRepaysThePrincipal)
{
    const AmortizationResult result = AmortizationEngine().calculate(personalLoan("1000", 1));
    ASSERT_EQ(result.summary.lastRow, 1);
    EXPECT_EQ(result.resultTable.at(1, PrincipalColumn), money("1000"));
    EXPECT_EQ(result.resultTable.at(1, BalanceColumn), Money());
    EXPECT_EQ(result.summary.totalPaid, money("1000") + result.resultTable.at(1, InterestColumn));
}

TEST(AmortizationAnnualView, YearsSumTheirPayments)
{
    AmortizationInput input = withPaymentKind(PaymentKind::BiweeklyAccelerated);
    const AmortizationResult payments = AmortizationEngine().calculate(input);
    const AmortizationResult years = AmortizationEngine().calculate(annualView(input));

    ASSERT_EQ(years.summary.lastRow, 19); // 18.54 years to the final payment
    for (int year = 1; year <= years.summary.lastRow; ++year) {
        const int lastOfYear = std::min(year * 26, int(payments.summary.lastRow));
        Money interest;
        Money principal;
        for (int row = (year - 1) * 26 + 1; row <= lastOfYear; ++row) {
            interest += payments.resultTable.at(row, InterestColumn);
            principal += payments.resultTable.at(row, PrincipalColumn);
        }
        SCOPED_TRACE(year);
        EXPECT_EQ(years.resultTable.at(year, NumberColumn), Money::fromWhole(year));
        EXPECT_EQ(years.resultTable.at(year, InterestColumn), interest);
        EXPECT_EQ(years.resultTable.at(year, PrincipalColumn), principal);
        EXPECT_EQ(years.resultTable.at(year, BalanceColumn),
                  payments.resultTable.at(lastOfYear, BalanceColumn));
        EXPECT_EQ(years.annualTable.at(year, CumulativeInterestColumn),
                  payments.resultTable.at(lastOfYear, CumulativeInterestColumn));
    }
    EXPECT_EQ(years.summary.totalPaid, payments.summary.totalPaid);
    EXPECT_EQ(years.summary.yearsToFinal, payments.summary.yearsToFinal);
}

TEST(AmortizationAnnualView, UnclosedLastYearStopsAtTheLastPayment)
{
    // Fifty months spill into a fifth year whose balance is not closed.
    AmortizationInput input = annualView(personalLoan("1000000", 50));
    const AmortizationResult result = AmortizationEngine().calculate(input);
    ASSERT_EQ(result.summary.lastRow, 5);
    EXPECT_GE(result.resultTable.at(5, BalanceColumn), money("6"));
    EXPECT_GT(result.summary.totalPaid, money("1000000"));
}

TEST(AmortizationGraph, PointCountAndTitleFollowTheView)
{
    AmortizationInput input = openingMortgage();
    AmortizationResult result = AmortizationEngine().calculate(input);
    EXPECT_EQ(result.summary.graphPointCount, 301);
    EXPECT_EQ(result.graphTitle, "Mortgage balance at start of each Year");

    result = AmortizationEngine().calculate(annualView(input));
    EXPECT_EQ(result.summary.graphPointCount, 25);

    result = AmortizationEngine().calculate(annualView(personalLoan("3000", 3)));
    EXPECT_EQ(result.summary.graphPointCount, 1) << "a quarter-year loan still has a result";
    EXPECT_EQ(result.graphTitle, "Personal Loan balance at start of each Year");
}

TEST(AmortizationGraph, HandOverFillsTheSharedValues)
{
    const AmortizationInput input = annualView(withPaymentKind(PaymentKind::BiweeklyAccelerated));
    const AmortizationResult result = AmortizationEngine().calculate(input);
    SharedValues shared;
    handOverResults(input, result, shared);
    EXPECT_FLOAT_EQ(static_cast<float>(shared.yearsToFinal), 482.0f / 26.0f);
    EXPECT_EQ(shared.plannerMode, 1);
    EXPECT_EQ(shared.graphPointCount, 19);
    ASSERT_GE(shared.inputValues.size(), 2u);
    EXPECT_EQ(shared.inputValues[1], money("100000"));
    EXPECT_EQ(shared.resultTable.at(19, BalanceColumn), Money());
}

} // namespace
} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"
#include "printers.h"

#include "mortgage/amortizationengine.h"
#include "mortgage/paymentdates.h"
#include "mortgage/schedulerows.h"

#include <gtest/gtest.h>

namespace tallyvane {
namespace {

struct DateCase
{
    const char* name;
    PaymentKind kind;
    QDate first;
    std::vector<QDate> expected; // rows 1, 2, ...
};

class PaymentDate : public testing::TestWithParam<DateCase>
{
};

TEST_P(PaymentDate, StepsByThePaymentKind)
{
    const DateCase& c = GetParam();
    for (std::size_t i = 0; i < c.expected.size(); ++i)
        EXPECT_EQ(paymentDate(c.kind, c.first, static_cast<int>(i) + 1), c.expected[i]) << "row " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Amortization, PaymentDate,
    testing::Values(
        DateCase{"Semimonthly",
                 PaymentKind::Semimonthly,
                 QDate(2024, 1, 10),
                 {QDate(2024, 1, 10), QDate(2024, 1, 24), QDate(2024, 2, 10), QDate(2024, 2, 24),
                  QDate(2024, 3, 10)}},
        DateCase{"MonthlyFromTheThirtyFirst",
                 PaymentKind::Monthly,
                 QDate(2024, 1, 31),
                 {QDate(2024, 1, 31), QDate(2024, 2, 29), QDate(2024, 3, 31), QDate(2024, 4, 30)}},
        DateCase{"SemimonthlyFromTheThirtyFirst",
                 PaymentKind::Semimonthly,
                 QDate(2023, 1, 31),
                 {QDate(2023, 1, 31), QDate(2023, 2, 14), QDate(2023, 2, 28), QDate(2023, 3, 14),
                  QDate(2023, 3, 31)}},
        DateCase{"TwoWeeks",
                 PaymentKind::TwoWeeks,
                 QDate(2024, 12, 20),
                 {QDate(2024, 12, 20), QDate(2025, 1, 3), QDate(2025, 1, 17)}},
        DateCase{"BiweeklyAccelerated",
                 PaymentKind::BiweeklyAccelerated,
                 QDate(2024, 2, 22),
                 {QDate(2024, 2, 22), QDate(2024, 3, 7)}},
        DateCase{
            "OneWeek", PaymentKind::OneWeek, QDate(2024, 2, 26), {QDate(2024, 2, 26), QDate(2024, 3, 4)}},
        DateCase{"WeeklyAccelerated",
                 PaymentKind::WeeklyAccelerated,
                 QDate(2024, 12, 30),
                 {QDate(2024, 12, 30), QDate(2025, 1, 6), QDate(2025, 1, 13)}}),
    [](const testing::TestParamInfo<DateCase>& info) { return info.param.name; });

TEST(PaymentDateRows, AllPaymentsCarryDatesInsteadOfYears)
{
    AmortizationInput input = test::openingMortgage();
    input.paymentKind = PaymentKind::Semimonthly;
    input.firstPaymentDate = QDate(2024, 1, 10);
    const std::vector<ScheduleRow> rows = visibleRows(AmortizationEngine().calculate(input));
    ASSERT_GT(rows.size(), 4u);
    EXPECT_EQ(rows[3].date, QDate(2024, 2, 24));
    EXPECT_EQ(rows[3].number, 4);
    EXPECT_FALSE(rows[3].year.has_value());
    EXPECT_EQ(rows.back().date,
              paymentDate(PaymentKind::Semimonthly, QDate(2024, 1, 10), rows.back().number));
}

TEST(PaymentDateRows, AnnualViewIsDatedByTheFirstPaymentOfEachYear)
{
    AmortizationInput input = test::openingMortgage();
    input.view = AmortizationView::AnnualTotals;
    input.paymentKind = PaymentKind::BiweeklyAccelerated;
    input.firstPaymentDate = QDate(2024, 2, 29);
    const std::vector<ScheduleRow> rows = visibleRows(AmortizationEngine().calculate(input));
    ASSERT_EQ(rows.size(), 19u);
    EXPECT_EQ(rows[0].date, QDate(2024, 2, 29));
    EXPECT_EQ(rows[1].date, QDate(2025, 2, 28));
    EXPECT_EQ(rows[4].date, QDate(2028, 2, 29));
    EXPECT_EQ(rows[4].number, 5);
}

} // namespace
} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "mortgage/additionalpaymenttable.h"
#include "mortgage/compounding.h"
#include "mortgage/daysinyear.h"
#include "mortgage/paymentkind.h"

#include <QDate>

#include <cstdint>
#include <optional>

namespace tallyvane {

// The values are those the menu and the window keep (LoanKind, PlannerMode).
enum class LoanKind : std::int16_t
{
    Mortgage = 1,
    PersonalLoan = 2
};

enum class AmortizationView : std::int16_t
{
    AnnualTotals = 1,
    AllPayments = 2
};

// One mortgage or personal loan to amortize.
struct AmortizationInput
{
    LoanKind loanKind = LoanKind::Mortgage;
    Money principal;
    Money annualRatePercent; // 10.125 means 10.125 %
    Money termYears;         // a loan's months / 12, rounded to four decimals
    Compounding compounding = Compounding::Monthly;
    PaymentKind paymentKind = PaymentKind::Monthly;
    std::int16_t daysInYearChoice = DefaultDaysInYearChoice;
    // Fraction by which every principal-and-interest payment is raised (0.05
    // for 5 %); single precision because that is how it is kept and saved.
    float paymentIncrease = 0.0f;
    AdditionalPaymentTable additionalPayments;
    AmortizationView view = AmortizationView::AnnualTotals;
    // When set, rows carry payment dates instead of payment numbers.
    std::optional<QDate> firstPaymentDate;
};

} // namespace tallyvane

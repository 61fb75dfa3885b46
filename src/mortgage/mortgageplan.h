// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/compounding.h"
#include "mortgage/mortgagewindowstate.h"
#include "mortgage/paymentkind.h"

namespace tallyvane {

// Everything needed to redo one calculation of the mortgage and loan window,
// and nothing it computed: what a mortgage or loan file holds.
struct MortgagePlan
{
    LoanKind loanKind = LoanKind::Mortgage;
    Money principal;
    Money annualRatePercent; // 10.125 means 10.125 %
    Money termYears;         // a loan's months / 12, rounded to four decimals
    Compounding compounding = Compounding::Monthly;
    PaymentKind paymentKind = PaymentKind::Monthly;
    AmortizationView view = AmortizationView::AnnualTotals;
    MortgageWindowState choices;
};

// The engine's input for a plan. The first payment date is read from its
// short form only when dates are shown; an unreadable one is left invalid,
// which the engine refuses.
AmortizationInput amortizationInput(const MortgagePlan& plan);

} // namespace tallyvane

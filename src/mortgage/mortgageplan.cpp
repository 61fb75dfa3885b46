// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/mortgageplan.h"

#include "core/dates.h"

namespace tallyvane {

AmortizationInput amortizationInput(const MortgagePlan& plan)
{
    AmortizationInput input;
    input.loanKind = plan.loanKind;
    input.principal = plan.principal;
    input.annualRatePercent = plan.annualRatePercent;
    input.termYears = plan.termYears;
    input.compounding = plan.compounding;
    input.paymentKind = plan.paymentKind;
    input.daysInYearChoice = plan.choices.daysInYearChoice;
    input.paymentIncrease = plan.choices.paymentIncrease;
    input.additionalPayments = plan.choices.additionalPayments;
    input.view = plan.view;
    if (plan.choices.showDates)
        input.firstPaymentDate = parseShortDate(plan.choices.firstPaymentDate);
    return input;
}

} // namespace tallyvane

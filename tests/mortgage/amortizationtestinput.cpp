// SPDX-License-Identifier: GPL-3.0-or-later
#include "amortizationtestinput.h"

namespace tallyvane::test {

Money money(const char* text)
{
    return *Money::fromDecimalText(text);
}

AmortizationInput openingMortgage()
{
    AmortizationInput input;
    input.loanKind = LoanKind::Mortgage;
    input.principal = money("100000");
    input.annualRatePercent = money("10.125");
    input.termYears = money("25");
    input.view = AmortizationView::AllPayments;
    return input;
}

AmortizationInput personalLoan(const char* principal, int months)
{
    AmortizationInput input = openingMortgage();
    input.loanKind = LoanKind::PersonalLoan;
    input.principal = money(principal);
    input.termYears = Money::fromWhole(months) / Money::fromWhole(12);
    return input;
}

} // namespace tallyvane::test

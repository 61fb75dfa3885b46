// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/periodicrates.h"

#include "core/arithmeticfault.h"

#include <cmath>

namespace tallyvane {

PeriodicRates computePeriodicRates(const AmortizationInput& input)
{
    const double annualRate = input.annualRatePercent.toDouble() / 100.0;
    const double termYears = input.termYears.toDouble();
    const double compoundings = compoundingPeriodsPerYear(input.compounding);
    const double ratePeriods = ratePeriodsPerYear(input.paymentKind, daysInYear(input.daysInYearChoice));
    const double growth = 1.0 + annualRate / compoundings;

    PeriodicRates rates;
    rates.monthlyRate = std::pow(growth, compoundings / 12.0) - 1.0;
    const double rateForKind = std::pow(growth, compoundings / ratePeriods) - 1.0;
    rates.ratePerPeriod = input.paymentKind == PaymentKind::Monthly ? rates.monthlyRate : rateForKind;

    const double discount = 1.0 / std::pow(growth, compoundings * termYears);
    const double annuityDivisor = 1.0 - discount;
    if (annuityDivisor == 0.0)
        throw ArithmeticFault("division by zero");
    const double principal = input.principal.toDouble();
    rates.monthlyPayment = principal * rates.monthlyRate / annuityDivisor;
    rates.scheduledTotal = 12.0 * rates.monthlyPayment * termYears;
    rates.payment =
        principal * (rates.monthlyRate * shareOfMonthlyPayment(input.paymentKind)) / annuityDivisor;

    for (double value : {rates.ratePerPeriod, rates.payment, rates.scheduledTotal})
        if (!std::isfinite(value))
            throw ArithmeticFault("rate out of range");
    return rates;
}

} // namespace tallyvane

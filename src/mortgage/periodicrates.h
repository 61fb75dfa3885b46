// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/amortizationinput.h"

namespace tallyvane {

// The rates and payments that drive one schedule, in floating point.
struct PeriodicRates
{
    double monthlyRate = 0.0;    // monthly-equivalent rate
    double ratePerPeriod = 0.0;  // the rate each payment is charged, shown as the periodic rate
    double monthlyPayment = 0.0; // the level monthly payment over the term
    double scheduledTotal = 0.0; // twelve monthly payments a year over the term
    double payment = 0.0;        // per period, before any increase
};

// Throws ArithmeticFault when the inputs give no payment (a zero rate or
// term) or a value that is not finite.
PeriodicRates computePeriodicRates(const AmortizationInput& input);

} // namespace tallyvane

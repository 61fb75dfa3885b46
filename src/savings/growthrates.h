// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

namespace tallyvane {

// The rate per period that, compounded `periodsPerYear` times, gives exactly
// the annual percentage: (1 + p/100)^(1/n) - 1. A power without a real answer
// (a loss beyond 100% spread over several periods) is an ArithmeticFault.
double periodRate(Money annualPercent, int periodsPerYear);

// The interest rate is carried in single precision; the product with the
// amount is formed in double precision and rounded into money.
float singlePrecisionRate(double rate);
Money periodInterest(Money amount, float rate);

} // namespace tallyvane

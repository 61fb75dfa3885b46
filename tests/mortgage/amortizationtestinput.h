// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/amortizationinput.h"

namespace tallyvane::test {

// The window's opening mortgage: 100,000.00 at 10.125 % over 25 years,
// monthly compounding and payments, every payment shown.
AmortizationInput openingMortgage();
// A personal loan of `months` months; the term is kept in years.
AmortizationInput personalLoan(const char* principal, int months);
Money money(const char* text);

} // namespace tallyvane::test

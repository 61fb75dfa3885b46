// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/amortizationsummary.h"

namespace tallyvane {

double AmortizationSummary::monthsToFinal() const
{
    // From the payment count rather than the single-precision years, so that
    // 50 payments show as 50 months exactly.
    return paymentsPerYear == 0 ? 0.0 : 12.0 * paymentsToFinal / paymentsPerYear;
}

} // namespace tallyvane

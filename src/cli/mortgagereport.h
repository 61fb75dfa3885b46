// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationresult.h"
#include "mortgage/payoffgoal.h"

#include <ostream>

namespace tallyvane::cli {

// A finished amortization together with the loan it was made from.
struct MortgageReport
{
    const AmortizationInput& input;
    const AmortizationResult& result;
    // The payoff goal the additional payments were found for, if any.
    const PayoffGoal* goal = nullptr;
};

// The loan, the summary figures and the table with its totals row, in cents.
void writeMortgageText(const MortgageReport& report, std::ostream& out);
// A header line, then one line per visible row with four decimals.
void writeMortgageCsv(const MortgageReport& report, std::ostream& out);
void writeMortgageJson(const MortgageReport& report, std::ostream& out);

} // namespace tallyvane::cli

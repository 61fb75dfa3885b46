// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "savings/savingsinputs.h"
#include "savings/savingsresult.h"

#include <ostream>

namespace tallyvane::cli {

// A finished savings calculation together with the plan it was made from.
struct SavingsReport
{
    const SavingsInputs& inputs;
    const SavingsResult& result;
};

// The plan, the period table with its totals and the year-end values, in cents.
void writeSavingsText(const SavingsReport& report, std::ostream& out);
// One line per period with four decimals; the year column is filled on the
// periods that close a year, and a last line holds the totals.
void writeSavingsCsv(const SavingsReport& report, std::ostream& out);
void writeSavingsJson(const SavingsReport& report, std::ostream& out);

} // namespace tallyvane::cli

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The savings table printout: the header line, the title, the seven inputs of
// the plan, and the period table with its totals line.
//
// The blocks above the table count as 24 lines of the first page; each row
// counts one more, and when the count reaches the font's lines per page the
// page is closed with its "Page" footer and the table goes on under repeated
// headings on the next one.

#include "core/report/printout.h"
#include "core/report/report.h"
#include "savings/savingsinputs.h"
#include "savings/savingsresult.h"

namespace tallyvane {

// Throws PlannerError with Message::NoDataToPrint when `result` has no
// whole year to print (nothing calculated, or a term of 0 years). The window
// checks this before it asks for the header.
void checkSavingsPrintout(const SavingsResult& result);
// The printout of `result`, calculated from `inputs`; refused as
// checkSavingsPrintout() refuses.
Report savingsPrintout(const SavingsInputs& inputs, const SavingsResult& result,
                       const PrintoutSettings& settings);

} // namespace tallyvane

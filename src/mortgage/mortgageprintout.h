// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The mortgage or loan table printout: the loan's inputs, the summary figures
// and the table of the last calculation in the view it was calculated in,
// followed by the totals and the additional payments that were applied.
//
// Rows are counted from the 24 lines the blocks above the table take on the
// first page; a page is broken when the count reaches the font's lines per
// page, and each continued page repeats the table headings. The listing of
// additional payments moves to a new page when it would run past line 57.

#include "core/report/printout.h"
#include "core/report/report.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationresult.h"
#include "mortgage/offercomparison.h"

namespace tallyvane {

// Throws PlannerError with Message::NoDataToPrint when `result` holds no
// calculation (its graph point count is 0). The window checks this before it
// asks for the header.
void checkMortgagePrintout(const AmortizationResult& result);
// The printout; refused as checkMortgagePrintout() refuses.
Report mortgagePrintout(const AmortizationInput& input, const AmortizationResult& result,
                        const PrintoutSettings& settings);
// The same printout followed by the page comparing it with a kept offer.
Report mortgagePrintout(const AmortizationInput& input, const AmortizationResult& result,
                        const PrintoutSettings& settings, const OfferComparison& comparison);

} // namespace tallyvane

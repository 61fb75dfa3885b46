// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The amortization engine turns one mortgage or personal loan into a payment
// schedule, its annual totals and the summary figures the window shows.
//
// The arithmetic runs in double precision from start to end of the schedule;
// only the stored table cells are rounded to four decimals, so the schedule
// does not drift by the rounding of each row. The payment is derived from the
// monthly-equivalent rate over the whole term and then shared out over the
// payment kind's periods; the accelerated kinds therefore pay off early. An
// additional payment is added to the principal of the first payment of its
// year. The loop stops when a row would charge negative interest, and a small
// residue left at the end is folded into the last row.
//
// A calculation either succeeds with a fresh result or throws
// PlannerError carrying the message to show; any arithmetic fault inside it
// becomes Message::WrongOrMissingEntry.

#include "core/plannererror.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/amortizationresult.h"

namespace tallyvane {

class AmortizationEngine
{
public:
    AmortizationResult calculate(const AmortizationInput& input) const;
};

} // namespace tallyvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The growth engine projects a savings plan period by period: a lump sum and
// a contribution made at the start of every period, compounded at the end of
// every period at the chosen frequency, the contribution rising each period so
// that over a year it rises by the increase rate, and the value reduced (or,
// for a negative rate, raised) by inflation at the end of every period.
//
// Annual rates become per-period rates that compound back to exactly the
// annual figure. The interest rate is held in single precision, as the
// planner's figures always have been; every amount that lands in the result
// table is money, rounded to four decimals, and the running value is carried
// as money so each row follows from the row shown before it.
//
// Each calculation builds a fresh result, so nothing from an earlier, longer
// plan lingers past the rows of the current one. Any arithmetic fault (money
// out of range, an impossible rate, a term outside 0 to 40 years) throws
// PlannerError with the "wrong or missing entry" message.

#include "savings/savingsinputs.h"
#include "savings/savingsresult.h"

namespace tallyvane {

class GrowthEngine
{
public:
    SavingsResult calculate(const SavingsInputs& inputs) const;

private:
    SavingsResult project(const SavingsInputs& inputs) const;
};

} // namespace tallyvane

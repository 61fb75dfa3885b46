// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/moneytable.h"
#include "mortgage/amortizationinput.h"
#include "mortgage/periodicrates.h"

#include <cstdint>
#include <vector>

namespace tallyvane {

struct ScheduleOutcome
{
    double payment = 0.0; // after the increase
    double increaseAmount = 0.0;
    double balanceAfterLoop = 0.0;
    std::int16_t lastRow = 0;
    std::vector<int> appliedYears; // years whose additional payment was made, in order
};

// Runs the payment loop into rows 1.. of `table` and closes the final
// payment. Throws ArithmeticFault when no row can be produced or when the
// schedule needs more rows than the table holds.
ScheduleOutcome fillPaymentSchedule(const AmortizationInput& input, const PeriodicRates& rates,
                                    MoneyTable& table);

} // namespace tallyvane

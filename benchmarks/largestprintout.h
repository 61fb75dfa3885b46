// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The longest schedule the result table holds (40 years of weekly payments,
// dated, every payment shown) and its printout, shared by the printing
// benchmarks.

#include "mortgage/amortizationengine.h"
#include "mortgage/mortgageprintout.h"

namespace tallyvane {

struct LargestSchedule
{
    AmortizationInput input;
    AmortizationResult result;
};

inline const LargestSchedule& largestSchedule()
{
    static const LargestSchedule schedule = [] {
        LargestSchedule s;
        s.input.principal = Money::fromWhole(100000);
        s.input.annualRatePercent = Money::fromWhole(1);
        s.input.termYears = Money::fromWhole(40);
        s.input.paymentKind = PaymentKind::OneWeek;
        s.input.daysInYearChoice = 3;
        s.input.view = AmortizationView::AllPayments;
        s.input.firstPaymentDate = QDate(2024, 1, 5);
        s.result = AmortizationEngine().calculate(s.input);
        return s;
    }();
    return schedule;
}

inline Report largestPrintout()
{
    const LargestSchedule& s = largestSchedule();
    return mortgagePrintout(s.input, s.result, {.header = QStringLiteral("Smith family")});
}

} // namespace tallyvane

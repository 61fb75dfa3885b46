// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money.h"

#include <QString>

#include <cstdint>

namespace tallyvane {

// The figures of one calculation that the window shows beside the table.
struct AmortizationSummary
{
    std::int16_t paymentsPerYear = 0;
    QString daysShown; // "Normal" when the days in the year do not matter
    double periodicRate = 0.0;
    double payment = 0.0; // principal and interest per period, after the increase
    double increaseAmount = 0.0;
    std::int16_t lastRow = 0;         // rows of the visible table: payments, or years
    std::int16_t paymentsToFinal = 0; // payments up to and including the final one
    float yearsToFinal = 0.0f;
    Money totalPaid;
    Money interestSavings; // 0 when below 10
    std::int16_t additionalApplied = 0;
    std::int16_t graphPointCount = 0; // non-zero after a successful calculation
    QString additionalListing;        // empty when no additional payment was entered

    // What the loan window shows instead of the years to the final payment.
    double monthsToFinal() const;
};

} // namespace tallyvane

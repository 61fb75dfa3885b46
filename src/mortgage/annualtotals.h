// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/moneytable.h"

#include <QDate>

#include <cstdint>
#include <optional>

namespace tallyvane {

// Sums the payment schedule year by year into `annual` and copies the sums
// over the first rows of `schedule`, so that rows 1..years of the schedule
// hold one row per year. Returns the number of years, which is the years to
// the final payment rounded up unless only a sliver of a year remains.
// Throws ArithmeticFault when that exceeds the annual table.
std::int16_t fillAnnualTotals(MoneyTable& schedule, MoneyTable& annual, std::int16_t lastRow,
                              std::int16_t paymentsPerYear, float yearsToFinal,
                              const std::optional<QDate>& firstPaymentDate);

} // namespace tallyvane

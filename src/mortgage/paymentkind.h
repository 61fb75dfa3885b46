// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/daysinyear.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tallyvane {

// Frequency and type of each payment. The accelerated kinds pay half (or a
// quarter) of the monthly payment every two weeks (or every week), so more
// than twelve monthly payments are made in a year and the debt ends early;
// "2 Weeks" and "1 Week" spread twelve monthly payments over the year.
enum class PaymentKind
{
    Monthly,
    Semimonthly,
    TwoWeeks,
    OneWeek,
    BiweeklyAccelerated,
    WeeklyAccelerated
};

const QStringList& paymentKindListTexts(); // in list order, leading blanks kept
QString listText(PaymentKind kind);
std::optional<PaymentKind> paymentKindFromListText(const QString& text);

// The whole number that groups payments into years and numbers them.
std::int16_t paymentsPerYear(PaymentKind kind);
// Only the weekly-based kinds take their rate periods from the days in the year.
bool usesDaysInYear(PaymentKind kind);
// The possibly fractional number of periods that turns the annual rate into
// the rate per payment.
double ratePeriodsPerYear(PaymentKind kind, const DaysInYear& days);
// The payment as a share of the monthly payment.
double shareOfMonthlyPayment(PaymentKind kind);
// The most rows the schedule may run to, before rounding to a whole number.
double rowCapacity(PaymentKind kind, double termYears);

} // namespace tallyvane

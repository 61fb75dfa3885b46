// SPDX-License-Identifier: GPL-3.0-or-later
#include "mortgage/paymentdates.h"

namespace tallyvane {

QDate paymentDate(PaymentKind kind, const QDate& first, int row)
{
    const int stepsBefore = row - 1;
    switch (kind) {
    case PaymentKind::Monthly:
        return first.addMonths(stepsBefore);
    case PaymentKind::Semimonthly: {
        // Odd rows fall on the monthly dates, even rows two weeks after them.
        const QDate monthly = first.addMonths(stepsBefore / 2);
        return stepsBefore % 2 == 0 ? monthly : monthly.addDays(14);
    }
    case PaymentKind::TwoWeeks:
    case PaymentKind::BiweeklyAccelerated:
        return first.addDays(14LL * stepsBefore);
    case PaymentKind::OneWeek:
    case PaymentKind::WeeklyAccelerated:
        return first.addDays(7LL * stepsBefore);
    }
    return first;
}

QDate annualRowDate(const QDate& first, int year)
{
    return first.addMonths(12 * (year - 1));
}

} // namespace tallyvane

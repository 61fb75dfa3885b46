// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mortgage/paymentkind.h"

#include <QDate>

namespace tallyvane {

// The date of payment `row` (counted from 1) when the first payment falls on
// `first`. Months are added to the first date, not to the previous payment,
// so a first payment on the 31st keeps returning to the 31st where a month
// has one and falls on the month's last day where it has not.
QDate paymentDate(PaymentKind kind, const QDate& first, int row);

// The date shown for year `year` of the annual view: its first payment.
QDate annualRowDate(const QDate& first, int year);

} // namespace tallyvane
